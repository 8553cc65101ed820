// A growable run of bytes that, unlike std::string or std::vector, does not clear the room it
// grows into: the converter fills every byte it adds at once, and clearing a megabyte per read
// only to overwrite it costs as much as searching it.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>

namespace batch {

class ByteBuffer {
 public:
  char* Data() { return bytes_.get(); }
  const char* Data() const { return bytes_.get(); }
  std::size_t Size() const { return size_; }

  // Makes room for `count` more bytes and gives where they go; Size() grows by them.
  char* Extend(std::size_t count) {
    if (size_ + count > capacity_) {
      std::size_t capacity = capacity_ == 0 ? 4096 : capacity_;
      while (capacity < size_ + count) capacity *= 2;
      std::unique_ptr<char[]> grown(new char[capacity]);
      if (size_ > 0) std::memcpy(grown.get(), bytes_.get(), size_);
      bytes_ = std::move(grown);
      capacity_ = capacity;
    }
    char* at = bytes_.get() + size_;
    size_ += count;
    return at;
  }
  void Shrink(std::size_t size) { size_ = size; }
  void DropFront(std::size_t count) {
    std::memmove(bytes_.get(), bytes_.get() + count, size_ - count);
    size_ -= count;
  }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace batch
