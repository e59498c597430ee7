#include "player/Shockwaveflash.h"

namespace nook {

namespace {

// {D27CDB6E-AE6D-11CF-96B8-444553540000}
const CLSID kFlashPlayerClass = {
    0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

constexpr DISPID kBackgroundColor = 123;
constexpr DISPID kLoadMovie = 142;
constexpr DISPID kFSCommand = 150;

} // namespace

HRESULT CShockwaveflash::CreateInPlaceOf(HWND dialog, int placeholderId) {
    return CActiveXHost::CreateInPlaceOf(kFlashPlayerClass, dialog, placeholderId);
}

void CShockwaveflash::SetBackgroundColor(long colour) {
    PutProperty(kBackgroundColor, CVariant::Int(colour));
}

void CShockwaveflash::LoadMovie(long layer, const std::string& address) {
    std::vector<CVariant> args;
    args.push_back(CVariant::Int(layer));
    args.push_back(CVariant::Text(address));
    CallMethod(kLoadMovie, std::move(args));
}

void CShockwaveflash::OnEvent(DISPID id, DISPPARAMS& params) {
    if (id != kFSCommand) return;
    // Arguments arrive last first; a missing one counts as empty text.
    UINT count = params.cArgs;
    std::string command = count >= 1 ? VariantText(params.rgvarg[count - 1]) : std::string();
    std::string arguments = count >= 2 ? VariantText(params.rgvarg[count - 2]) : std::string();
    events_.OnFSCommand(command, arguments);
}

} // namespace nook
