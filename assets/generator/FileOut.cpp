#include "FileOut.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temp = path + ".part";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        f.close();
        if (!f) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::fprintf(stderr, "make_assets: cannot rename to %s: %s\n", path.c_str(),
                     ec.message().c_str());
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutText(std::vector<uint8_t>& out, const char* fourCC) {
    out.insert(out.end(), fourCC, fourCC + 4);
}
