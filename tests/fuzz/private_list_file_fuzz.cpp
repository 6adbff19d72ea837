// "VELNOR.INI" is a text file anyone may edit. Whatever it holds, what a
// load shows must survive a save and the next load unchanged, and no save
// may lose a line of the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/fake_file_store.h"
#include "fakes/fake_user.h"
#include "lists/private_list_file.h"
#include "lists/private_list_format.h"
#include "lists/server_list.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool SameServers(const CServerList& a, const CServerList& b)
{
    if (a.GetUpperBound() != b.GetUpperBound())
        return false;
    for (int i = 0; i <= a.GetUpperBound(); ++i) {
        if (a.GetAt(i).serverName != b.GetAt(i).serverName ||
            a.GetAt(i).description != b.GetAt(i).description)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    FakeFileStore files;
    FakeUser user;
    CPrivateListFile file(files, user);
    files.files[file.Path()] = text;

    CServerList first;
    file.LoadPrivateList(first);
    file.SavePrivateList(first);
    const std::string saved = files.files[file.Path()];
    Check(SplitPrivateListLines(saved).size() == SplitPrivateListLines(text).size());

    CServerList second;
    file.LoadPrivateList(second);
    Check(SameServers(first, second));
    file.SavePrivateList(second);
    Check(files.files[file.Path()] == saved);
    return 0;
}
