// Stands in for the desktop suite's program: records the arguments it was started with
// in "Hearthtop.args" beside itself, and ends.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring record(path);
    record.replace(record.rfind(L'\\') + 1, std::wstring::npos, L"Hearthtop.args");

    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string arguments;
    for (int i = 1; words && i < count; ++i) {
        if (i > 1) arguments += ' ';
        for (const wchar_t* c = words[i]; *c; ++c)
            arguments += static_cast<char>(*c);
    }
    LocalFree(words);

    HANDLE file =
        CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, arguments.data(), static_cast<DWORD>(arguments.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
