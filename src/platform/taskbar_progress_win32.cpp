#include "platform/taskbar_progress_win32.h"

#include <objbase.h>
#include <shobjidl.h>

#include "platform/system_library_win32.h"

namespace {

using CoInitializeExProc = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoCreateInstanceProc = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoUninitializeProc = void(WINAPI*)();

template <typename Proc> Proc ComFunction(HMODULE com, const char* name)
{
    return LibraryFunction<Proc>(com, name);
}

// The taskbar's list, ready for use; null where the system has none.
ITaskbarList3* CreateTaskbarList(HMODULE com)
{
    auto create = ComFunction<CoCreateInstanceProc>(com, "CoCreateInstance");
    ITaskbarList3* taskbar = nullptr;
    if (!create || FAILED(create(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                 reinterpret_cast<void**>(&taskbar))))
        return nullptr;
    if (FAILED(taskbar->HrInit())) {
        taskbar->Release();
        return nullptr;
    }
    return taskbar;
}

} // namespace

void TaskbarProgress::Begin(HWND window)
{
    End();
    m_window = window;
    m_com = LoadSystemLibrary("OLE32.DLL");
    if (!m_com)
        return;
    auto initialize = ComFunction<CoInitializeExProc>(m_com, "CoInitializeEx");
    // S_FALSE, COM already started on this thread, is balanced by End too.
    m_comStarted = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    if (m_comStarted)
        m_taskbar = CreateTaskbarList(m_com);
}

void TaskbarProgress::Show(int finished, int total)
{
    if (m_taskbar && total > 0)
        m_taskbar->SetProgressValue(m_window, static_cast<ULONGLONG>(finished),
                                    static_cast<ULONGLONG>(total));
}

void TaskbarProgress::End()
{
    if (m_taskbar) {
        m_taskbar->SetProgressState(m_window, TBPF_NOPROGRESS);
        m_taskbar->Release();
        m_taskbar = nullptr;
    }
    if (m_comStarted) {
        if (auto uninitialize = ComFunction<CoUninitializeProc>(m_com, "CoUninitialize"))
            uninitialize();
        m_comStarted = false;
    }
    if (m_com) {
        FreeLibrary(m_com);
        m_com = nullptr;
    }
}
