// gorlak_content ART_DIR CONTENT_DIR: turns the text sources under ART_DIR
// into the pictures, sounds and the animations file under CONTENT_DIR/data,
// and the menu icons under CONTENT_DIR/packaging/icons.
#include "content/content_builder.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: gorlak_content ART_DIR CONTENT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path out(argv[2]);
        for (const GeneratedFile &file : buildContent(argv[1])) {
            const std::filesystem::path target = out / file.path;
            std::filesystem::create_directories(target.parent_path());
            std::ofstream stream(target, std::ios::binary | std::ios::trunc);
            stream.write(reinterpret_cast<const char *>(file.bytes.data()),
                         static_cast<std::streamsize>(file.bytes.size()));
            if (!stream)
                throw std::runtime_error(target.string() + ": cannot be written");
        }
    } catch (const std::exception &error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
