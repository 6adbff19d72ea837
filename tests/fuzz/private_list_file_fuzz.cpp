// "VELNOR.INI" is a text file anyone may edit and save in any encoding.
// Whatever it holds, a list read and saved without edits keeps the file's
// bytes; an edit is saved with every other line kept byte for byte and the
// file's byte order mark, unless the file is read-only or UTF-16, which
// stay as they were; and what is saved reads back as the list that was
// saved.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/fake_code_page.h"
#include "fakes/fake_file_store.h"
#include "lists/private_list_encoding.h"
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

// The user's edit: the first server deleted, or one added to an empty list.
void Edit(CServerList& list)
{
    if (list.GetUpperBound() < 0) {
        list.Add({"fuzz.example", "added", 0});
        return;
    }
    CServerList rest;
    for (int i = 1; i <= list.GetUpperBound(); ++i)
        rest.Add(list.GetAt(i));
    list = rest;
}

} // namespace

// The input is one byte of flags (bit 0: the file is read-only), then the
// file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    FakeFileStore files;
    FakeCodePage codePage;
    PrivateListFile file(files, codePage);
    const std::string path = file.Path();
    files.files[path] = text;
    if (data[0] & 1)
        files.readOnly.insert(path);

    CServerList list;
    (void)file.LoadPrivateList(list);
    (void)file.SavePrivateList(list);
    Check(files.files[path] == text);

    Edit(list);
    const Answer answer = file.SavePrivateList(list);
    const std::string saved = files.files[path];
    const PrivateListText before = DecodePrivateListFile(text);
    if ((data[0] & 1) || before.encoding == PrivateListEncoding::Utf16) {
        Check(saved == text);
        Check(answer.Refused() && answer.messages.empty());
        return 0;
    }
    std::vector<std::string> lines = SplitPrivateListLines(before.text);
    std::string kept;
    for (std::size_t i = 1; i < lines.size(); ++i)
        kept += lines[i];
    PrivateListText expected = before;
    expected.text = lines.empty() ? FormatPrivateListLine(list.GetAt(0)) : kept;
    Check(saved == EncodePrivateListFile(expected));
    // A file whose new first line begins with the bytes of a byte order
    // mark, or that no longer holds what made it read as UTF-8 or as 8-bit
    // text, reads so from now on, as in any editor.
    const PrivateListText after = DecodePrivateListFile(saved);
    if (after.encoding != before.encoding || after.utf8Mark != before.utf8Mark)
        return 0;

    CServerList reread;
    (void)file.LoadPrivateList(reread);
    if (lines.size() <= MAX_SERVERS)
        Check(SameServers(list, reread));
    (void)file.SavePrivateList(reread);
    Check(files.files[path] == saved);
    return 0;
}
