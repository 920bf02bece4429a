// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignShelf.h"

#include "DesignList.h"
#include "DesignPuzzle.h"
#include "DurableFile.h"

#include <algorithm>
#include <optional>

namespace {

std::optional<DesignList> readList(const QString& path, QString* why)
{
    const DurableFile::Reading reading = DurableFile::read(path, DesignShelf::limit);
    using Status = DurableFile::Reading::Status;
    if (reading.status == Status::Missing)
        return DesignList {};
    if (reading.status != Status::Read) {
        if (why)
            *why = reading.error;
        return std::nullopt;
    }
    return readDesignList(reading.bytes.toStdString());
}

} // namespace

DesignShelf::DesignShelf(QString path)
    : path_(std::move(path))
{
}

std::vector<Design> DesignShelf::read(QString* why) const
{
    std::optional<DesignList> list = readList(path_, why);
    return list ? std::move(list->designs) : std::vector<Design> {};
}

bool DesignShelf::keep(const Design& design, const std::string& replacing, QString* why)
{
    std::optional<DesignList> list = readList(path_, why);
    if (!list)
        return false;
    std::vector<Design>& designs = list->designs;
    const auto withId = [&designs](const std::string& id) {
        return std::find_if(designs.begin(), designs.end(), [&id](const Design& kept) { return designId(kept) == id; });
    };
    const auto same = withId(designId(design));
    const auto replaced = replacing.empty() ? designs.end() : withId(replacing);
    if (same != designs.end()) {
        *same = design;
        if (replaced != designs.end() && replaced != same)
            designs.erase(replaced);
    } else if (replaced != designs.end()) {
        *replaced = design;
    } else {
        designs.push_back(design);
    }
    return DurableFile::write(path_, QByteArray::fromStdString(writeDesignList(*list)), why);
}
