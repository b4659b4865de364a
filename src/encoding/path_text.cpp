#include "encoding/path_text.h"

#include <algorithm>

#include "encoding/text.h"

namespace vm {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Index of the first real backslash at or after from, or npos.
std::size_t NextBackslash(std::string_view path, std::size_t from) {
    for (std::size_t i = from; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            return i;
    }
    return std::string_view::npos;
}

} // namespace

std::size_t LastBackslash(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = NextBackslash(path, 0); i != std::string_view::npos;
         i = NextBackslash(path, i + 1)) {
        last = i;
    }
    return last;
}

bool EndsWithBackslash(std::string_view path) {
    return !path.empty() && LastBackslash(path) == path.size() - 1;
}

std::size_t RootLength(std::string_view path) {
    if (path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return 3;
    if (path.size() < 3 || path[0] != '\\' || path[1] != '\\')
        return 0;
    const std::size_t serverEnd = NextBackslash(path, 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2 || serverEnd + 1 >= path.size())
        return 0;
    const std::size_t shareEnd = NextBackslash(path, serverEnd + 1);
    if (shareEnd == serverEnd + 1)
        return 0;
    return shareEnd == std::string_view::npos ? path.size() : shareEnd + 1;
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (!EndsWithBackslash(path))
        result += '\\';
    return result;
}

std::string ParentFolder(std::string_view folder) {
    const std::size_t root = RootLength(folder);
    if (root == 0)
        return std::string();
    std::string_view rest = folder;
    if (EndsWithBackslash(rest) && rest.size() > root)
        rest.remove_suffix(1);
    const std::size_t last = LastBackslash(rest);
    if (last == std::string_view::npos || last + 1 <= root)
        return WithTrailingBackslash(folder.substr(0, root));
    return std::string(rest.substr(0, last + 1));
}

std::string FolderOfFile(std::string_view file) {
    const std::size_t root = RootLength(file);
    if (root == 0)
        return std::string();
    const std::size_t last = LastBackslash(file);
    return std::string(file.substr(0, std::max(last + 1, root)));
}

} // namespace vm
