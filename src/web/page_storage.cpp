#include "web/page_storage.h"

#include <emscripten.h>

namespace {

EM_JS(void, storageOpen, (const char *folder), {
    var path = UTF8ToString(folder);
    var ready = function () { Module['_gorlak_storage_ready'](); };
    if (typeof indexedDB === 'undefined' || !indexedDB) {
        err(path + ": this browser gives the page no storage; the progress lasts while the page is open");
        ready();
        return;
    }
    try {
        FS.mkdirTree(path);
        FS.mount(IDBFS, {}, path);
    } catch (error) {
        err(path + ": cannot keep the progress in the page's storage: " + error);
        ready();
        return;
    }
    var storage = {folder: path, saving: false, again: false, failed: false};
    Module['gorlakStorage'] = storage;
    FS.syncfs(true, function (error) {
        if (error) {
            // Said once: writing will not be said again.
            storage.failed = true;
            err(path + ": cannot read the page's storage (" + error + "); the progress lasts while the page is open");
        }
        ready();
    });
});

EM_JS(void, storageSave, (), {
    var storage = Module['gorlakStorage'];
    if (!storage) return;
    if (storage.saving) {
        storage.again = true;
        return;
    }
    storage.saving = true;
    FS.syncfs(false, function (error) {
        if (error && !storage.failed) {
            storage.failed = true;
            err(storage.folder + ": cannot write the page's storage (" + error + "); the progress lasts while the page is open");
        }
        storage.saving = false;
        if (storage.again) {
            storage.again = false;
            storageSave();
        } else if (Module['gorlakStorageSaved']) {
            Module['gorlakStorageSaved']();
        }
    });
});

}  // namespace

namespace page {

void openStorage(const std::filesystem::path &folder)
{
    storageOpen(folder.string().c_str());
}

void saveStorage()
{
    storageSave();
}

}  // namespace page
