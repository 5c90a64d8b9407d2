#pragma once
// ByteWriter: builds a binary file in memory, little-endian whatever the host, and saves it
// in one go (creating the folder), so that a failed run never leaves half a file behind.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace assets {

class ByteWriter {
public:
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u64(std::uint64_t v)
    {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void f32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u64(bits);
    }
    void bytes(const void* p, size_t n)
    {
        const auto* b = static_cast<const std::uint8_t*>(p);
        data_.insert(data_.end(), b, b + n);
    }
    size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }

    // Writes to a temporary name and renames, so readers never see a partial file.
    void save(const std::string& path) const;

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace assets
