// SPDX-License-Identifier: GPL-3.0-or-later
// Handing freed heap pages back, which a new game does and the soak measures by.
#include "ProcessMemory.h"

#include <QtTest>

#include <cstring>
#include <vector>

class TestProcessMemory : public QObject {
    Q_OBJECT

private slots:
    void freedPagesInsideTheHeapLeaveTheProcess();
};

void TestProcessMemory::freedPagesInsideTheHeapLeaveTheProcess()
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    QSKIP("only glibc's own heap hands pages back");
#else
    // Keeps the compiler from leaving out a block that is written and freed but never read.
    const auto keep = [](char* block) { asm volatile("" : : "g"(block) : "memory"); };
    const long empty = residentKb();
    QVERIFY(empty > 0);
    // 32 MB of small blocks, freed under one still in use: free() alone cannot shrink the
    // heap past that one, so the pages stay resident until they are handed back.
    constexpr int blockSize = 1024, blocks = 32 * 1024;
    std::vector<char*> freed(blocks);
    for (char*& block : freed) {
        block = new char[blockSize];
        std::memset(block, 1, blockSize);
        keep(block);
    }
    char* const inUse = new char[blockSize];
    keep(inUse);
    for (char* block : freed)
        delete[] block;
    const long before = residentKb();
    QVERIFY2(before - empty > 24 * 1024, "the freed blocks should still be resident");
    handBackFreedMemory();
    const long after = residentKb();
    delete[] inUse;
    QVERIFY2(before - after > 24 * 1024,
        qPrintable(QString("only %1 kB of %2 kB freed left the process").arg(before - after).arg(before - empty)));
#endif
}

QTEST_GUILESS_MAIN(TestProcessMemory)
#include "test_process_memory.moc"
