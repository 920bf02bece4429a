// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once over every file named on the command line, or found in a folder
// named there: the corpus replay of an ordinary build, without libFuzzer.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void runOne(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir()) {
            runOne(path);
            ++inputs;
            continue;
        }
        for (QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories); files.hasNext(); ++inputs)
            runOne(files.next());
    }
    std::printf("%d inputs, no fault\n", inputs);
    // An empty corpus would make this a test that cannot fail.
    return inputs > 0 ? 0 : 1;
}
