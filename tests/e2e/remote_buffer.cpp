#include "remote_buffer.h"

#include <stdexcept>

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : m_process(process),
      m_address(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))),
      m_size(size)
{
    if (m_address == nullptr)
        throw std::runtime_error("cannot allocate memory in the other process");
}

RemoteBuffer::~RemoteBuffer()
{
    VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

void RemoteBuffer::Write(std::size_t offset, const void* data, std::size_t size)
{
    SIZE_T written = 0;
    if (offset + size > m_size || !WriteProcessMemory(m_process, m_address + offset, data, size, &written) ||
        written != size)
        throw std::runtime_error("cannot write the other process's memory");
}

void RemoteBuffer::Read(std::size_t offset, void* data, std::size_t size) const
{
    SIZE_T read = 0;
    if (offset + size > m_size || !ReadProcessMemory(m_process, m_address + offset, data, size, &read) ||
        read != size)
        throw std::runtime_error("cannot read the other process's memory");
}
