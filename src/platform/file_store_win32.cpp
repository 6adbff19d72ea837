#include "platform/file_store_win32.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <io.h>
#include <memory>
#include <windows.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// How long a replacement waits for a file that another program holds (an
// antivirus or indexer reading it just after it changed), and how often it
// tries meanwhile.
constexpr std::uint32_t REPLACE_PATIENCE_MS = 1000;
constexpr std::uint32_t REPLACE_RETRY_MS = 50;

// Writes all the bytes and makes sure they reached the disk before the
// file is closed; false on any failure.
bool WriteWhole(const std::string& path, const std::string& bytes)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                   std::fflush(file.get()) == 0 && _commit(_fileno(file.get())) == 0;
    return std::fclose(file.release()) == 0 && written;
}

// The final move would replace a read-only file too (Wine allows it), so
// the attribute is looked at first: the user has said the file stays.
bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// What another program's open handle makes the move fail with: it lasts
// only while that program reads the file.
bool IsHeld(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

} // namespace

std::string Win32FileStore::WindowsDirectory()
{
    const char* directory = std::getenv("WinDir");
    return directory == nullptr ? "" : directory;
}

std::optional<std::string> Win32FileStore::ReadFile(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string text;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, got);
    // A read error ends the text as the end of the file would.
    return text;
}

bool Win32FileStore::CreateEmptyFile(const std::string& path)
{
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool Win32FileStore::WriteWholeFile(const std::string& path, const std::string& bytes)
{
    if (IsReadOnly(path))
        return false;
    const std::string temporary = path + ".new";
    if (WriteWhole(temporary, bytes) && Replace(temporary, path))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

bool Win32FileStore::Replace(const std::string& replacement, const std::string& path)
{
    const std::uint32_t start = m_clock.TickCount();
    while (
        !MoveFileExA(replacement.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (!IsHeld(GetLastError()) || m_clock.TickCount() - start >= REPLACE_PATIENCE_MS)
            return false;
        m_clock.Sleep(REPLACE_RETRY_MS);
    }
    return true;
}
