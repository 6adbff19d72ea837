#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "win/window.h"

class CLinkLabel;

// What the label's owner does with a click: it opens the target, and marks
// the label visited or not.
using LinkClickHandler = std::function<void(CLinkLabel& clicked)>;

// A dialog's static text control made into a hyperlink: drawn in a link
// colour, underlined, with a hand cursor and a tool tip showing its target,
// sized to its text; a click is handed to the owner. Until Attach, the
// setters only store their values for Attach to use. The cursor and the
// tool tip are made when the pointer first comes to the label.
class CLinkLabel {
  public:
    explicit CLinkLabel(LinkClickHandler onClick);
    ~CLinkLabel();
    CLinkLabel(const CLinkLabel&) = delete;
    CLinkLabel& operator=(const CLinkLabel&) = delete;

    // Subclasses the static control and sets it up as a link.
    void Attach(HWND window);
    HWND Handle() const { return m_window.Handle(); }

    // The text shown stays; the tool tip shows the new target.
    void SetTarget(const std::string& target);
    std::string GetTarget() const { return m_target; }
    // A hover colour of -1 takes the system's highlight colour of now.
    void SetStateColors(COLORREF unvisited, COLORREF visited, COLORREF hover);
    COLORREF GetUnvisitedColor() const { return m_colorUnvisited; }
    COLORREF GetVisitedColor() const { return m_colorVisited; }
    COLORREF GetHoverColor() const { return m_colorHover; }
    void MarkVisited(bool visited);
    bool IsVisited() const { return m_isVisited; }
    // The label owns the cursor from now on; none loads the default hand.
    void SetHandCursor(HCURSOR cursor);
    // The default hand is loaded when first asked for.
    HCURSOR GetHandCursor();
    void SetUnderlined(bool underlined);
    bool IsUnderlined() const { return m_underlined; }
    void SetFitToText(bool fit);
    bool GetFitToText() const { return m_fitToText; }

  private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    struct CursorDeleter {
        void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
    };
    struct WindowDestroyer {
        void operator()(HWND window) const;
    };
    using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
    using UniqueCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;
    using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

    // Attachment, the messages and the click.
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR label);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PreSubclassWindow();
    void Detach();
    bool IsAttached() const;
    LRESULT OnReflectedCommand(WPARAM wParam);

    // Painting and colours.
    void SetLinkFont(bool underlined);
    void FitWindowToText();
    void Invalidate();
    LRESULT OnCtlColor(HDC dc);

    // The pointer: hover, capture and the hand cursor.
    void OnMouseMove(LPARAM position);
    void OnCaptureChanged(HWND newCapture);
    void LoadHandCursor();
    LRESULT OnSetCursor();

    // The tool tip.
    void CreateToolTip();
    void UpdateTipText();
    void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam);

    LinkClickHandler m_onClick;
    win::Window m_window;

    COLORREF m_colorUnvisited;
    COLORREF m_colorVisited;
    COLORREF m_colorHover;
    bool m_isHovering = false;
    bool m_isVisited = false;
    bool m_underlined = true;
    bool m_fitToText = true;
    std::string m_target;
    UniqueFont m_linkFont;
    UniqueCursor m_handCursor;
    UniqueWindow m_tip;
};
