// The page's persistent storage: a folder of the page's file system kept in
// the browser's IndexedDB, so that what the game writes there (the kept
// progress) is still there when the page is opened again.
#pragma once

#include <filesystem>

namespace page {

// Keeps the folder in the page's storage and reads in what the storage
// holds for it, then calls gorlak_storage_ready() (web_main.cpp); a storage
// that cannot be read is said in one line on standard error, and the folder
// starts empty.
void openStorage(const std::filesystem::path &folder);

// Writes the folder back to the page's storage. One write runs at a time; a
// change made during it is written after it.
void saveStorage();

}  // namespace page
