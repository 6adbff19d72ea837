#pragma once

#include <windows.h>

#include <cstddef>

// Memory inside another process, for the window messages whose arguments
// are pointers: the receiving control reads and writes through them in its
// own address space. Freed when the object goes.
class RemoteBuffer {
  public:
    // Throws std::runtime_error when the memory cannot be had.
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The block's address in the other process, to put into messages.
    char* Address() const { return m_address; }
    // Copies between the block (at the offset) and this process.
    void Write(std::size_t offset, const void* data, std::size_t size);
    void Read(std::size_t offset, void* data, std::size_t size) const;

  private:
    HANDLE m_process;
    char* m_address;
    std::size_t m_size;
};
