// file_info_probe COMMAND FILE: reads what Windows shows about an executable, the way
// the shell and the loader read it, for the Wine tests. Prints UTF-8 lines; exit 1 when
// the thing is not there.
//   string    string resource 1
//   version   "fixed FILE PRODUCT" (dotted), then "Name=value" for each text of the
//             first translation, then "translation LANG CODEPAGE" (hex)
//   manifest  from the activation context built from manifest resource 1: each
//             dependency as "assembly NAME VERSION", "dpiAware V", "dpiAwareness V",
//             each "supportedOS {GUID}" and "runlevel asInvoker|highestAvailable|..."
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring wide(const char* text) {
    std::wstring out(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), static_cast<int>(out.size()));
    out.resize(out.size() ? out.size() - 1 : 0);
    return out;
}

void print(const std::wstring& line) {
    std::string out(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.back() = '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

std::wstring dotted(DWORD high, DWORD low) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%u.%u.%u.%u", unsigned{HIWORD(high)}, unsigned{LOWORD(high)}, unsigned{HIWORD(low)},
                  unsigned{LOWORD(low)});
    return text;
}

int stringResource(const std::wstring& file) {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return 1;
    wchar_t text[256];
    const int length = LoadStringW(module, 1, text, 256);
    if (length <= 0) return 1;
    print(std::wstring(text, length));
    return 0;
}

int version(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (!size) return 1;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return 1;

    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return 1;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    print(L"fixed " + dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS) + L" " +
          dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS));

    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4) return 1;
    const auto* translation = static_cast<const WORD*>(value);
    wchar_t block[64];
    std::swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", unsigned{translation[0]}, unsigned{translation[1]});
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"LegalCopyright",
                                L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
        if (VerQueryValueW(data.data(), (block + std::wstring(name)).c_str(), &value, &length) && length) {
            print(name + std::wstring(L"=") + static_cast<const wchar_t*>(value));
        }
    }
    wchar_t line[64];
    std::swprintf(line, 64, L"translation %04x %04x", unsigned{translation[0]}, unsigned{translation[1]});
    print(line);
    return 0;
}

// The compatibility list as Windows 10 and Wine return it: the toolchain's header has the
// older element without maxVersionTested, and read through it every GUID comes out wrong.
struct CompatibilityElement {
    GUID id;
    DWORD type;
    ULONGLONG maxVersionTested;
};
struct CompatibilityList {
    DWORD count;
    CompatibilityElement elements[1];
};

// Reads one activation context setting; the namespaces are the ones the manifest must use.
void setting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[128];
    SIZE_T written = 0;
    if (QueryActCtxSettingsW(0, context, space, name, value, 128, &written)) print(name + std::wstring(L" ") + value);
}

int manifest(const std::wstring& file) {
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = file.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    if (context == INVALID_HANDLE_VALUE) return 1;

    // Assembly 1 is the executable itself; its dependencies follow.
    SIZE_T needed = 0;
    QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation, nullptr, 0, &needed);
    std::vector<unsigned char> buffer(needed);
    const DWORD assemblies =
        needed && QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation, buffer.data(), needed, nullptr)
            ? reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(buffer.data())->ulAssemblyCount
            : 0;
    for (DWORD index = 2; index <= assemblies; ++index) {
        QueryActCtxW(0, context, &index, AssemblyDetailedInformationInActivationContext, nullptr, 0, &needed);
        std::vector<unsigned char> detail(needed);
        if (!needed || !QueryActCtxW(0, context, &index, AssemblyDetailedInformationInActivationContext,
                                     detail.data(), needed, nullptr)) {
            continue;
        }
        const auto* assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(detail.data());
        // The encoded identity is the name, then attribute="value" pairs, comma-separated.
        const std::wstring identity = assembly->lpAssemblyEncodedAssemblyIdentity;
        const std::size_t start = identity.find(L"version=\"");
        const std::wstring version =
            start == std::wstring::npos ? L"?" : identity.substr(start + 9, identity.find(L'"', start + 9) - start - 9);
        print(L"assembly " + identity.substr(0, identity.find(L',')) + L" " + version);
    }

    setting(context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware");
    setting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness");

    needed = 0;
    QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, nullptr, 0, &needed);
    buffer.assign(needed, 0);
    if (needed >= sizeof(CompatibilityList) &&
        QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, buffer.data(), needed,
                     nullptr)) {
        const auto* list = reinterpret_cast<const CompatibilityList*>(buffer.data());
        for (DWORD i = 0;
             i < list->count && offsetof(CompatibilityList, elements) + (i + 1) * sizeof(CompatibilityElement) <= needed;
             ++i) {
            const CompatibilityElement& element = list->elements[i];
            if (element.type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
            const GUID& id = element.id;
            wchar_t guid[64];
            std::swprintf(guid, 64, L"{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", id.Data1,
                          unsigned{id.Data2}, unsigned{id.Data3}, unsigned{id.Data4[0]}, unsigned{id.Data4[1]},
                          unsigned{id.Data4[2]}, unsigned{id.Data4[3]}, unsigned{id.Data4[4]}, unsigned{id.Data4[5]},
                          unsigned{id.Data4[6]}, unsigned{id.Data4[7]});
            print(L"supportedOS " + std::wstring(guid));
        }
    }

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    if (QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel, sizeof runLevel,
                     nullptr)) {
        static const wchar_t* const names[] = {L"unspecified", L"asInvoker", L"highestAvailable",
                                               L"requireAdministrator"};
        print(L"runlevel " + std::wstring(runLevel.RunLevel < 4 ? names[runLevel.RunLevel] : L"?"));
    }
    ReleaseActCtx(context);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 3) return 2;
    const std::wstring file = wide(argv[2]);
    if (std::strcmp(argv[1], "string") == 0) return stringResource(file);
    if (std::strcmp(argv[1], "version") == 0) return version(file);
    if (std::strcmp(argv[1], "manifest") == 0) return manifest(file);
    return 2;
}
