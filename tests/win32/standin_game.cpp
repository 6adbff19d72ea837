// A stand-in for a game executable: when started, it records its working
// directory, its command line and the arguments after its own name, one per
// line, in the file named by VELNOR_STANDIN_RECORD, then ends.
#include <windows.h>

#include <array>
#include <fstream>
#include <string>

namespace {

std::string CurrentDirectory()
{
    std::array<char, MAX_PATH + 1> buffer{};
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

std::string RecordPath()
{
    std::array<char, MAX_PATH + 1> buffer{};
    const DWORD length =
        GetEnvironmentVariableA("VELNOR_STANDIN_RECORD", buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    const std::string record = RecordPath();
    if (record.empty())
        return 1;
    // Written aside and then moved into place, so that a reader polling for
    // the record never sees half of it.
    const std::string partial = record + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << CurrentDirectory() << '\n' << GetCommandLineA() << '\n' << arguments << '\n';
        if (!out.flush())
            return 1;
    }
    return MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
