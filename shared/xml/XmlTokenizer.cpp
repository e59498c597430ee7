// One pass over the characters of a node, keeping a small state: where in the opening
// markup we are, which closing delimiter we wait for, the tag name being collected and
// the quoting of attribute values. A document type stays open underneath while the
// declarations inside it are scanned. Runs of character data, names and quoted values
// are skipped in tight loops because they make up nearly all of a large document.
#include "xml/XmlTokenizer.h"

#include "xml/XmlDocument.h"
#include "xml/XmlText.h"

namespace nook::xml {

namespace {

enum class State { Start, Blank, Open, Bang, BangDash, BangBracket, Awaiting, DocTypeBody };
enum class Delimiter { None, LessThan, GreaterThan, PiEnd, CommentEnd, CDataEnd };
enum class Quote { None, AwaitingValue, Double, Single };

constexpr int kNoChar = -1;
constexpr int kWideChar = 256; // any two-byte character

bool IsNameEnd(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/' || c == '>'; }
bool IsSpaceChar(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool StartsName(int c) {
    return c == ':' || c == '_' || (c >= 'A' && c <= 'Z') || c >= 'a'; // bytes from 0x80 and wide characters too
}

const char* UnterminatedName(bool docType, int kind) {
    if (docType) return "Doctype";
    switch (kind) {
    case kNodeEndTag: return "Element end tag";
    case kNodeElement: return "Element tag";
    case kNodeCData: return "CDATA Section";
    case kNodeProcessingInstruction: return "Processing instruction";
    case kNodeComment: return "Comment";
    case kNodeDocType: return "Doctype";
    default: return "tag";
    }
}

// An element tag outside a document type, from its name on: most of every document.
// The rules are those of the loop in ReadToken, less the states that cannot occur here.
// Returns the offset of the closing ">", or npos when the text ends first.
size_t ReadElementTag(std::string_view text, size_t nameStart, const LeadByteTable& lead, XmlToken& token) {
    const size_t n = text.size();
    auto charLength = [&](size_t at) -> size_t {
        return lead(static_cast<unsigned char>(text[at])) && at + 1 < n && text[at + 1] != '\0' ? 2 : 1;
    };
    size_t i = nameStart;
    while (i < n && !IsNameEnd(static_cast<unsigned char>(text[i]))) i += charLength(i);
    if (i >= n) return std::string_view::npos;
    token.name = text.substr(nameStart, i - nameStart);
    Quote quote = Quote::None;
    int last1 = kNoChar, last2 = kNoChar;
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (charLength(i) == 2) {
            quote = Quote::None;
            last2 = last1;
            last1 = kWideChar;
            i += 2;
            continue;
        }
        switch (b) {
        case '>':
            token.emptyElement =
                last1 == '/' && (last2 == kNoChar || IsSpaceChar(last2) || last2 == '\'' || last2 == '"');
            return i;
        case '"':
        case '\'':
            if (quote == Quote::AwaitingValue) {
                i = FindMarkup(text, static_cast<char>(b), i + 1, n);
                if (i >= n) return std::string_view::npos;
                quote = Quote::None;
                last2 = last1 = b;
                ++i;
                continue;
            }
            quote = Quote::None;
            break;
        case '=': quote = last1 == '=' || quote == Quote::AwaitingValue ? Quote::None : Quote::AwaitingValue; break;
        case ' ':
        case '\t':
        case '\n':
        case '\r': break;
        default: quote = Quote::None; break;
        }
        last2 = last1;
        last1 = b;
        ++i;
    }
    return std::string_view::npos;
}

} // namespace

int ReadToken(XmlScanner& scanner, XmlToken& token) {
    const std::string_view text = scanner.text_;
    const size_t n = text.size();
    const LeadByteTable& lead = LeadByteTable::Get();
    const size_t start = scanner.next_;

    token.start = start;
    token.emptyElement = false;
    token.unterminated = false;
    token.name = {};
    token.message.clear();
    if (start >= n) {
        token.length = 0;
        token.kind = kNodeEndOfText;
        return token.kind;
    }

    auto charLength = [&](size_t at) -> size_t {
        return lead(static_cast<unsigned char>(text[at])) && at + 1 < n && text[at + 1] != '\0' ? 2 : 1;
    };
    auto error = [&](const char* what) {
        token.message = FormatMessage("Incorrect %s at offset %d", what, static_cast<int>(start));
        token.kind = kNodeBadToken;
    };

    State state = State::Start;
    bool docType = false;
    Delimiter awaited = Delimiter::None;
    size_t nameStart = std::string_view::npos;
    Quote quote = Quote::None;
    int last1 = kNoChar, last2 = kNoChar; // last two characters inside the tag
    int prev1 = kNoChar, prev2 = kNoChar; // last two characters of the token
    token.kind = kNodeBadToken;

    size_t i = start;
    size_t last = std::string_view::npos; // the token's last byte once it has ended
    while (i < n) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const size_t len = charLength(i);
        const int c = len == 2 ? kWideChar : byte;

        // 1. A tag name runs up to white space, "/" or ">".
        if (nameStart != std::string_view::npos) {
            if (!IsNameEnd(c)) {
                prev2 = prev1;
                prev1 = c;
                i += len;
                continue;
            }
            if (token.kind == kNodeEndTag) {
                scanner.endNameBegin_ = nameStart;
                scanner.endNameLength_ = i - nameStart;
            } else {
                token.name = text.substr(nameStart, i - nameStart);
            }
            nameStart = std::string_view::npos;
            last1 = last2 = kNoChar;
        }

        if (awaited == Delimiter::None) {
            // 2. Opening markup.
            switch (state) {
            case State::Start:
                if (c == '<') {
                    state = State::Open;
                } else if (IsSpaceChar(c)) {
                    state = State::Blank;
                    token.kind = kNodeWhitespace;
                } else {
                    token.kind = kNodeText;
                    awaited = Delimiter::LessThan;
                }
                break;
            case State::Blank:
                if (c == '<') {
                    last = i - 1;
                } else if (!IsSpaceChar(c)) {
                    token.kind = kNodeText;
                    awaited = Delimiter::LessThan;
                }
                break;
            case State::Open:
                state = State::Awaiting;
                if (c == '!') {
                    state = State::Bang;
                } else if (c == '/') {
                    token.kind = kNodeEndTag;
                    awaited = Delimiter::GreaterThan;
                    nameStart = i + 1;
                } else if (c == '?') {
                    token.kind = kNodeProcessingInstruction;
                    awaited = Delimiter::PiEnd;
                    nameStart = i + 1;
                } else if (StartsName(c) && !docType) {
                    token.kind = kNodeElement;
                    const size_t close = ReadElementTag(text, i, lead, token);
                    if (close == std::string_view::npos) i = n; // unterminated
                    else last = close;
                } else if (StartsName(c)) {
                    token.kind = kNodeElement;
                    awaited = Delimiter::GreaterThan;
                    nameStart = i;
                    quote = Quote::None;
                } else {
                    error("tag name character");
                    awaited = Delimiter::GreaterThan;
                    quote = Quote::None;
                }
                break;
            case State::Bang:
                state = State::Awaiting;
                if (c == '-') {
                    state = State::BangDash;
                } else if (c == '[' && !docType) {
                    state = State::BangBracket;
                } else if (c == 'D' && !docType) {
                    docType = true;
                } else if (c == 'E' || c == 'A' || c == 'N') {
                    token.kind = kNodeDocType;
                    awaited = Delimiter::GreaterThan;
                    quote = Quote::None;
                } else {
                    error("! tag");
                    awaited = Delimiter::GreaterThan;
                    quote = Quote::None;
                }
                break;
            case State::BangDash:
                state = State::Awaiting;
                if (c == '-') {
                    token.kind = kNodeComment;
                    awaited = Delimiter::CommentEnd;
                } else {
                    error("comment tag");
                    awaited = Delimiter::GreaterThan;
                    quote = Quote::None;
                }
                break;
            case State::BangBracket:
                state = State::Awaiting;
                if (c == 'C') {
                    token.kind = kNodeCData;
                    awaited = Delimiter::CDataEnd;
                } else {
                    error("tag");
                    awaited = Delimiter::GreaterThan;
                    quote = Quote::None;
                }
                break;
            case State::Awaiting:
            case State::DocTypeBody:
                if (c == '<') {
                    state = State::Open;
                } else if (c == '>') {
                    token.kind = kNodeDocType;
                    last = i;
                }
                break;
            }
            if (state == State::Awaiting && awaited == Delimiter::None) state = State::DocTypeBody;
        } else if (c == '>' && quote != Quote::Double && quote != Quote::Single) {
            // 3. A ">" outside quotes: the awaited delimiter may be met.
            bool met;
            switch (awaited) {
            case Delimiter::PiEnd: met = prev1 == '?'; break;
            case Delimiter::CommentEnd: met = prev1 == '-' && prev2 == '-'; break;
            case Delimiter::CDataEnd: met = prev1 == ']' && prev2 == ']'; break;
            default:
                met = true;
                if (token.kind == kNodeElement && last1 == '/' &&
                    (last2 == kNoChar || IsSpaceChar(last2) || last2 == '\'' || last2 == '"'))
                    token.emptyElement = true;
                break;
            }
            if (met) {
                if (!docType) {
                    last = i;
                } else {
                    state = State::DocTypeBody;
                    awaited = Delimiter::None;
                    quote = Quote::None;
                    token.emptyElement = false;
                }
            }
        } else if (c == '<' && (token.kind == kNodeText || token.kind == kNodeBadToken)) {
            last = i - 1;
        } else if (token.kind == kNodeElement || token.kind == kNodeBadToken) {
            if (quote == Quote::Double || quote == Quote::Single) {
                // A quoted value runs to its own quote; skip it in one go. In malformed
                // markup a "<" still ends the token, quote or not.
                const char q = quote == Quote::Double ? '"' : '\'';
                if (token.kind == kNodeElement) {
                    i = FindMarkup(text, q, i, n);
                } else {
                    while (i < n && text[i] != q && text[i] != '<') i += charLength(i);
                }
                if (i >= n) break;
                if (text[i] == '<') {
                    last = i - 1;
                    break;
                }
                quote = Quote::None;
                last2 = last1 = static_cast<unsigned char>(q);
                prev2 = prev1 = static_cast<unsigned char>(q);
                ++i;
                continue;
            }
            if ((c == '"' || c == '\'') && quote == Quote::AwaitingValue) {
                quote = c == '"' ? Quote::Double : Quote::Single;
            } else if (c == '=') {
                quote = last1 == '=' || quote == Quote::AwaitingValue ? Quote::None : Quote::AwaitingValue;
            } else if (!IsSpaceChar(c)) {
                quote = Quote::None;
            }
            last2 = last1;
            last1 = c;
        } else if (token.kind == kNodeDocType) {
            if (c == '"' && quote != Quote::Single) quote = quote == Quote::Double ? Quote::None : Quote::Double;
            else if (c == '\'' && quote != Quote::Double) quote = quote == Quote::Single ? Quote::None : Quote::Single;
        } else if (token.kind == kNodeText) {
            // Character data runs to the next "<" or ">".
            i += len;
            while (i < n) {
                const unsigned char b = static_cast<unsigned char>(text[i]);
                if (b == '<' || b == '>') break;
                i += charLength(i);
            }
            prev2 = prev1 = kWideChar;
            continue;
        }

        if (last != std::string_view::npos) break;
        prev2 = prev1;
        prev1 = c;
        i += len;
    }

    if (last == std::string_view::npos) {
        last = n - 1;
        if (token.kind != kNodeText && token.kind != kNodeWhitespace) {
            token.message = FormatMessage("%s at offset %d unterminated", UnterminatedName(docType, token.kind),
                                          static_cast<int>(start));
            token.kind = kNodeBadToken;
            token.unterminated = true;
        }
    }
    token.length = last - start + 1;
    scanner.next_ = last + 1;
    return token.kind;
}

bool IsWholeToken(std::string_view markup, XmlToken& token) {
    XmlScanner scanner(markup);
    ReadToken(scanner, token);
    return !token.unterminated && token.length == markup.size();
}

} // namespace nook::xml
