#include "tests/net/support/Json.h"

#include <cstdlib>

namespace nook::test {

namespace {

class CJsonReader {
public:
    explicit CJsonReader(std::string_view text) : text_(text) {}

    bool ReadDocument(JsonValue& value) {
        if (!ReadValue(value)) return false;
        SkipBlanks();
        return at_ == text_.size();
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    bool Take(char c) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool TakeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool ReadValue(JsonValue& value) {
        SkipBlanks();
        if (at_ >= text_.size()) return false;
        char c = text_[at_];
        if (c == '{') return ReadObject(value);
        if (c == '[') return ReadArray(value);
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return ReadString(value.text);
        }
        if (TakeWord("true") || TakeWord("false")) {
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = c == 't';
            return true;
        }
        if (TakeWord("null")) return true;
        size_t begin = at_;
        while (at_ < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos)
            ++at_;
        value.kind = JsonValue::Kind::Number;
        value.number = std::strtod(std::string(text_.substr(begin, at_ - begin)).c_str(), nullptr);
        return at_ > begin;
    }

    bool ReadObject(JsonValue& value) {
        value.kind = JsonValue::Kind::Object;
        ++at_;
        if (Take('}')) return true;
        do {
            std::string name;
            SkipBlanks();
            if (!ReadString(name) || !Take(':')) return false;
            value.members.emplace_back(std::move(name), JsonValue());
            if (!ReadValue(value.members.back().second)) return false;
        } while (Take(','));
        return Take('}');
    }

    bool ReadArray(JsonValue& value) {
        value.kind = JsonValue::Kind::Array;
        ++at_;
        if (Take(']')) return true;
        do {
            value.items.emplace_back();
            if (!ReadValue(value.items.back())) return false;
        } while (Take(','));
        return Take(']');
    }

    bool ReadHex4(unsigned& code) {
        if (at_ + 4 > text_.size()) return false;
        code = static_cast<unsigned>(std::strtoul(std::string(text_.substr(at_, 4)).c_str(), nullptr, 16));
        at_ += 4;
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool ReadString(std::string& out) {
        if (at_ >= text_.size() || text_[at_] != '"') return false;
        ++at_;
        while (at_ < text_.size()) {
            char c = text_[at_++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) return false;
            char escape = text_[at_++];
            switch (escape) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                unsigned code = 0;
                if (!ReadHex4(code)) return false;
                if (code >= 0xD800 && code < 0xDC00 && TakeWord("\\u")) {
                    unsigned low = 0;
                    if (!ReadHex4(low)) return false;
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                out += escape;
                break; // \" \\ \/
            }
        }
        return false;
    }

    std::string_view text_;
    size_t at_ = 0;
};

} // namespace

const JsonValue& JsonValue::operator[](std::string_view name) const {
    static const JsonValue kNull;
    for (const auto& member : members)
        if (member.first == name) return member.second;
    return kNull;
}

bool ParseJson(std::string_view text, JsonValue& value) {
    value = JsonValue();
    return CJsonReader(text).ReadDocument(value);
}

std::string Latin1Bytes(const std::string& utf8) {
    std::string bytes;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xC0 && i + 1 < utf8.size()) {
            bytes += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

} // namespace nook::test
