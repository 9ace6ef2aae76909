#include "progress/progress_file.h"

#include "xml/load_xml_file.h"
#include "xml/xml_writer.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char *kRootName = "LevelList";

fs::path absoluteFolder(const char *variable)
{
    const char *value = std::getenv(variable);
    if (value == nullptr || value[0] != '/') {
        return fs::path();
    }
    return fs::path(value);
}

}  // namespace

fs::path progressFilePath()
{
    fs::path dataHome = absoluteFolder("XDG_DATA_HOME");
    if (dataHome.empty()) {
        const fs::path home = absoluteFolder("HOME");
        if (home.empty()) {
            return fs::path();
        }
        dataHome = home / ".local" / "share";
    }
    return dataHome / "gorlak-zombies" / "progress.xml";
}

ProgressFile::ProgressFile(fs::path file) : file_(std::move(file)) {}

void ProgressFile::restore(LevelList &list) const
{
    for (LevelEntry &entry : list.entries) {
        entry.completed = false;
    }
    std::error_code error;
    if (!fs::exists(file_, error)) {
        return;
    }
    const std::string fileName = file_.string();
    const std::unique_ptr<XmlNode> root = scanXmlFile(fileName);
    if (root == nullptr || root->name() != kRootName) {
        std::fprintf(stderr, "%s: not a progress file; playing from level 1\n", fileName.c_str());
        return;
    }
    LevelList kept;
    fromXml(root.get(), kept);
    const std::size_t shared = std::min(kept.entries.size(), list.entries.size());
    for (std::size_t i = 1; i < shared; ++i) {
        const LevelEntry &entry = kept.entries[i];
        if (entry.completed && !entry.fileName.empty() && entry.fileName == list.entries[i].fileName) {
            list.entries[i].completed = true;
        }
    }
}

bool ProgressFile::save(const LevelList &list)
{
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    if (error || !saveXmlFile(list, file_.string(), kRootName)) {
        warnOnce("cannot write the progress");
        return false;
    }
    ++changes_;
    return true;
}

bool ProgressFile::clear()
{
    std::error_code error;
    fs::remove(file_, error);
    if (error) {
        warnOnce("cannot clear the progress");
        return false;
    }
    ++changes_;
    return true;
}

void ProgressFile::warnOnce(const char *what)
{
    if (!warned_) {
        warned_ = true;
        std::fprintf(stderr, "%s: %s; playing on without keeping it\n", file_.string().c_str(), what);
    }
}

int firstUnfinishedPosition(const LevelList &list)
{
    for (std::size_t i = 1; i < list.entries.size(); ++i) {
        if (!list.entries[i].fileName.empty() && !list.entries[i].completed) {
            return static_cast<int>(i);
        }
    }
    return 1;
}
