// The message a content reader refuses a source with, or "" when it reads.
#pragma once

#include "content/source_text.h"

#include <string>

template <class Read>
std::string contentErrorOf(Read read)
{
    try {
        read();
    } catch (const ContentError &error) {
        return error.what();
    }
    return "";
}
