// Brenvale on today's Windows: it loads the common controls of version 6, works at the
// scale of each monitor, and follows its window to a monitor of another scale (the layout
// at each scale: layout_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "brenvale_run.h"
#include "driver/controls.h"
#include "driver/remote_buffer.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace brenvale {
namespace {

using namespace gui_driver;

constexpr int kTipWidthAt96 = 200;
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct Module {
    std::string path;
    HMODULE base;
};

// The modules the program has loaded, with their full paths.
std::vector<Module> ModulesOf(DWORD processId) {
    const OwnedHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    std::vector<HMODULE> bases(1024);
    DWORD bytes = 0;
    if (!EnumProcessModules(process.Get(), bases.data(),
                            static_cast<DWORD>(bases.size() * sizeof(HMODULE)), &bytes)) {
        throw DriverError("cannot list the program's modules");
    }
    bases.resize(std::min<size_t>(bases.size(), bytes / sizeof(HMODULE)));
    std::vector<Module> modules;
    for (HMODULE base : bases) {
        char path[MAX_PATH] = "";
        if (GetModuleFileNameExA(process.Get(), base, path, MAX_PATH) > 0) {
            modules.push_back({Lower(path), base});
        }
    }
    return modules;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The program's own modules named `name` ("\\comctl32.dll"), in lower case.
std::vector<Module> ModulesNamed(DWORD processId, const std::string& name) {
    std::vector<Module> found;
    for (const Module& module : ModulesOf(processId)) {
        if (EndsWith(module.path, name)) found.push_back(module);
    }
    return found;
}

template <typename Call>
Call User32Call(const char* name) {
    const auto call = reinterpret_cast<Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
    if (!call) throw DriverError(std::string("user32 has no ") + name);
    return call;
}

// The DPI awareness context that a thread of the program reports of itself: a thread
// started in it runs GetThreadDpiAwarenessContext, whose answer is the thread's exit code.
// A new thread starts with the program's awareness, the one its manifest declares.
HANDLE ThreadAwarenessContextIn(DWORD processId) {
    const std::vector<Module> remote = ModulesNamed(processId, "\\user32.dll");
    if (remote.size() != 1) throw DriverError("the program has not loaded user32.dll once");
    const HMODULE local = GetModuleHandleA("user32.dll");
    const auto call = reinterpret_cast<const char*>(
        reinterpret_cast<void*>(GetProcAddress(local, "GetThreadDpiAwarenessContext")));
    if (!call) throw DriverError("user32 has no GetThreadDpiAwarenessContext");
    // The same DLL in the program, at the same offset from its base.
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(const_cast<char*>(reinterpret_cast<const char*>(remote[0].base) +
                                                  (call - reinterpret_cast<const char*>(local)))));

    const OwnedHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                              PROCESS_VM_OPERATION | PROCESS_VM_WRITE |
                                              PROCESS_VM_READ,
                                          FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    const OwnedHandle thread(
        CreateRemoteThread(process.Get(), nullptr, 0, start, nullptr, 0, nullptr));
    if (!thread) throw DriverError("cannot start a thread in the program");
    if (WaitForSingleObject(thread.Get(), static_cast<DWORD>(kDefaultTimeout.count())) !=
        WAIT_OBJECT_0) {
        throw DriverError(TimeoutText("the program's thread to answer", kDefaultTimeout));
    }
    DWORD context = 0;
    GetExitCodeThread(thread.Get(), &context);
    // The contexts are small constants, the same in every process.
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(context));
}

TEST(CurrentWindows, TheProgramWorksAtTheScaleOfEachMonitor) {
    BrenvaleRun run;
    run.Start();
    run.MainWindow();
    using GetAwareness = int(WINAPI*)(HANDLE);
    const auto awarenessOf = User32Call<GetAwareness>("GetAwarenessFromDpiAwarenessContext");
    const HANDLE ctx = ThreadAwarenessContextIn(run.Process().Id());
    EXPECT_EQ(awarenessOf(ctx), kPerMonitorAware);
}

TEST(CurrentWindows, TheProgramLoadsTheCommonControlsOfVersion6) {
    BrenvaleRun run;
    run.Start();
    run.MainWindow();  // its progress bar and tooltips are made: the controls are loaded
    const std::vector<Module> loaded = ModulesNamed(run.Process().Id(), "\\comctl32.dll");
    ASSERT_EQ(loaded.size(), 1u) << "comctl32.dll loaded once";
    // The side-by-side store's version 6, not the old one of the system folder.
    const std::string& path = loaded[0].path;
    EXPECT_NE(path.find("\\winsxs\\"), std::string::npos) << path;
    EXPECT_NE(path.find("common-controls"), std::string::npos) << path;
    EXPECT_NE(path.find("_6.0."), std::string::npos) << path;
}

// Windows tells a window that moved to a monitor of another scale, with the rectangle it
// suggests for it there.
TEST(DisplayScale, WindowAndTipsFollowAMoveToAMonitorOfAnotherScale) {
    BrenvaleRun run;
    run.Start();
    const HWND main = run.MainWindow();
    RECT before{};
    GetWindowRect(main, &before);
    const RECT suggested = {before.left, before.top, before.left + 2 * (before.right - before.left),
                            before.top + 2 * (before.bottom - before.top)};
    const RemoteBuffer rect(run.Process().Id(), sizeof suggested);
    rect.Write(0, &suggested, sizeof suggested);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_DPICHANGED, MAKEWPARAM(192, 192), rect.Address(),
                                    SMTO_ABORTIFHUNG, 5000, &answer));

    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_EQ(
        std::vector<LONG>({after.left, after.top, after.right, after.bottom}),
        std::vector<LONG>({suggested.left, suggested.top, suggested.right, suggested.bottom}));
    EXPECT_EQ(AskWindow(run.Tooltips(), TTM_GETMAXTIPWIDTH), 2 * kTipWidthAt96);
}

}  // namespace
}  // namespace brenvale
