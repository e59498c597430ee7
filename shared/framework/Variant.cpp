#include "framework/Variant.h"

#include "platform/win32/WideText.h"

#include <oleauto.h>

namespace nook {

CVariant::CVariant(CVariant&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
}

CVariant& CVariant::operator=(CVariant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

CVariant CVariant::Int(long value) {
    CVariant v;
    V_VT(&v.value_) = VT_I4;
    V_I4(&v.value_) = value;
    return v;
}

CVariant CVariant::Text(std::string_view text) {
    CVariant v;
    std::wstring wide = platform::ToWide(text);
    BSTR bstr = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (bstr) {
        V_VT(&v.value_) = VT_BSTR;
        V_BSTR(&v.value_) = bstr;
    }
    return v;
}

std::string VariantText(const VARIANT& value) {
    const VARIANT* source = &value;
    if (V_VT(source) == (VT_VARIANT | VT_BYREF)) source = V_VARIANTREF(source);
    CVariant text;
    if (!source || FAILED(VariantChangeType(&text.Get(), const_cast<VARIANT*>(source), 0, VT_BSTR)))
        return {};
    BSTR bstr = V_BSTR(&text.Get());
    return bstr ? platform::FromWide(std::wstring_view(bstr, SysStringLen(bstr))) : std::string();
}

} // namespace nook
