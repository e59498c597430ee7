// A library with five of the six entry points the screen saver binds: SS_GetSSFile is
// missing. Only the names matter; nothing here is ever called.
extern "C" {
__declspec(dllexport) int SS_GetName() {
    return 0;
}
__declspec(dllexport) int SS_GetVersion() {
    return 0;
}
__declspec(dllexport) int SS_ParseXML() {
    return 0;
}
__declspec(dllexport) int SS_SupportCreateLocal() {
    return 0;
}
__declspec(dllexport) int SS_CreateLocal() {
    return 0;
}
}
