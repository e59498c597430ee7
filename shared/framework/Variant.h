#pragma once

#include <oaidl.h>

#include <string>
#include <string_view>

namespace nook {

// Owns one VARIANT (VariantClear on release).
class CVariant {
  public:
    CVariant() { VariantInit(&value_); }
    ~CVariant() { VariantClear(&value_); }
    CVariant(CVariant&& other) noexcept;
    CVariant& operator=(CVariant&& other) noexcept;
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    static CVariant Int(long value);
    // A BSTR from code page 936 text.
    static CVariant Text(std::string_view text);

    VARIANT& Get() { return value_; }
    const VARIANT& Get() const { return value_; }

  private:
    VARIANT value_;
};

// The value as code page 936 text; empty when it has no text form.
std::string VariantText(const VARIANT& value);

} // namespace nook
