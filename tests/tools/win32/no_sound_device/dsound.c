/* A stand-in for the system's dsound.dll whose device never answers: every
 * DirectSoundCreate says there is no driver, as on a machine without a sound device or
 * in a remote session set not to play sound, so that a program goes through its whole
 * schedule of retries. Each call appends a line to the file that ONDALITH_SOUND_LOG names
 * (a Windows path), for a test to follow. Wine takes it in place of its own when it lies
 * beside the program and WINEDLLOVERRIDES has dsound=n. */
#include <windows.h>

#define NO_DRIVER ((HRESULT)0x88780078L) /* DSERR_NODRIVER */

static void noteAttempt(void) {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("ONDALITH_SOUND_LOG", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, "attempt\n", 8, &written, NULL);
    CloseHandle(file);
}

__declspec(dllexport) HRESULT WINAPI DirectSoundCreate(const GUID* device, void** sound, void* outer) {
    (void)device;
    (void)outer;
    if (sound) *sound = NULL;
    noteAttempt();
    return NO_DRIVER;
}
