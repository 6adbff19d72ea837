#include "ui/link_opener_win32.h"

#include "controls/hyperlink.h"
#include "ui/show_answer.h"

namespace {

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

} // namespace

// A label that failed is unvisited before the box comes, and so painted
// while the box is up.
LinkClickHandler LinkOpener(Shell& shell, FileAssociations& associations, User& user)
{
    return [openers = LinkOpeners{shell, associations, IsAnsiLeadByte}, &user](CLinkLabel& link) {
        const LinkOpening opening = OpenHyperlink(link.GetTarget(), SW_SHOW, openers);
        link.MarkVisited(opening.Opened());
        if (opening.Opened())
            return;
        MessageBeep(MB_ICONEXCLAMATION);
        ShowAnswer(user, opening.answer);
    };
}
