#include "platform/mount_table.h"

#include <fstream>
#include <sstream>

namespace platform {
namespace {

// mountinfo escapes space, tab, newline and backslash as \ooo.
std::string unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += field[i];
    }
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t end = line.find(' ', pos);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        if (stop > pos)
            fields.push_back(line.substr(pos, stop - pos));
        pos = stop + 1;
    }
    return fields;
}

bool isPrefixPath(std::string_view prefix, std::string_view path) {
    if (prefix == "/")
        return !path.empty() && path[0] == '/';
    return path.substr(0, prefix.size()) == prefix &&
           (path.size() == prefix.size() || path[prefix.size()] == '/');
}

} // namespace

std::vector<Mount> parseMountInfo(std::string_view text) {
    std::vector<Mount> mounts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const auto fields = splitFields(text.substr(pos, end - pos));
        pos = end + 1;
        // id parent major:minor root mount-point options [optional...] - type source super
        std::size_t separator = 6;
        while (separator < fields.size() && fields[separator] != "-")
            ++separator;
        if (fields.size() < 7 || separator + 2 >= fields.size())
            continue;
        Mount mount;
        const std::string_view device = fields[2];
        const std::size_t colon = device.find(':');
        if (colon == std::string_view::npos)
            continue;
        try {
            mount.major = static_cast<unsigned>(std::stoul(std::string(device.substr(0, colon))));
            mount.minor = static_cast<unsigned>(std::stoul(std::string(device.substr(colon + 1))));
        } catch (const std::exception&) {
            continue;
        }
        mount.mountPoint = unescape(fields[4]);
        mount.fsType = unescape(fields[separator + 1]);
        mount.source = unescape(fields[separator + 2]);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

std::vector<Mount> readMounts() {
    std::ifstream in("/proc/self/mountinfo");
    std::ostringstream text;
    text << in.rdbuf();
    return parseMountInfo(text.str());
}

const Mount* mountHolding(const std::vector<Mount>& mounts, const std::filesystem::path& path) {
    const std::string& text = path.native();
    const Mount* best = nullptr;
    for (const Mount& mount : mounts) {
        if (isPrefixPath(mount.mountPoint, text) &&
            (!best || mount.mountPoint.size() >= best->mountPoint.size()))
            best = &mount;
    }
    return best;
}

} // namespace platform
