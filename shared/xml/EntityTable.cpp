// The named character references of HTML 4.01 and "apos", as a hash table in one
// block of text per bucket. A bucket holds entries "<length><four-digit code point>
// <lower-case name>" ending with a zero byte; the bucket of a name is the sum of its
// lower-case bytes mod 130. Names that differ only in case share a key, and the entry
// of the capital form stands first, so that one is found.
#include "xml/EntityTable.h"

namespace nook::xml {

namespace {

constexpr int kBucketCount = 130;

const char* const kBuckets[kBucketCount] = {
    "60216oslash60248oslash60217ugrave60249ugrave", // 0
    "58968lceil50937omega50969omega60221yacute60253yacute", // 1
    "50916delta50948delta50206icirc50238icirc68472weierp", // 2
    "40185sup1", // 3
    "68970lfloor40178sup2", // 4
    "60164curren50922kappa50954kappa58212mdash40179sup3", // 5
    "59830diams58211ndash", // 6
    "68855otimes58969rceil", // 7
    "50212ocirc50244ocirc50338oelig50339oelig58482trade", // 8
    "50197aring50229aring50931sigma50963sigma", // 9
    "50180acute68971rfloor50732tilde", // 10
    "68249lsaquo", // 11
    "58734infin68201thinsp", // 12
    "50161iexcl", // 13
    "50920theta50952theta50219ucirc50251ucirc", // 14
    "58254oline", // 15
    "58260frasl68727lowast", // 16
    "59827clubs60191iquest68250rsaquo", // 17
    "58629crarr50181micro", // 18
    "58222bdquo", // 19
    "", // 20
    "60177plusmn58243prime58242prime", // 21
    "40914beta40946beta", // 22
    "", // 23
    "", // 24
    "", // 25
    "50171laquo50215times", // 26
    "40710circ", // 27
    "49001lang", // 28
    "58220ldquo40175macr", // 29
    "40182para50163pound48476real", // 30
    "", // 31
    "58713notin50187raquo", // 32
    "48773cong50223szlig50978upsih", // 33
    "58776asymp58801equiv49002rang58218sbquo", // 34
    "48659darr48595darr40402fnof58221rdquo50222thorn50254thorn", // 35
    "40162cent58722minus", // 36
    "58707exist40170ordf", // 37
    "", // 38
    "58709empty48660harr48596harr40921iota40953iota", // 39
    "", // 40
    "40196auml40228auml48226bull40167sect48838sube", // 41
    "", // 42
    "48656larr48592larr58853oplus", // 43
    "30176deg58216lsquo40186ordm", // 44
    "40039apos40203euml40235euml48712isin40160nbsp", // 45
    "40918zeta40950zeta", // 46
    "38743and48195emsp48719prod", // 47
    "38745cap30935chi30967chi48194ensp", // 48
    "40207iuml40239iuml48706part48869perp48658rarr48594rarr", // 49
    "38736ang48836nsub58217rsquo", // 50
    "", // 51
    "48901sdot48657uarr48593uarr", // 52
    "40169copy48364euro", // 53
    "30919eta30951eta", // 54
    "40214ouml40246ouml48839supe", // 55
    "", // 56
    "", // 57
    "30038amp30174reg", // 58
    "48733prop", // 59
    "", // 60
    "30208eth30240eth30934phi30966phi40220uuml40252uuml", // 61
    "", // 62
    "", // 63
    "", // 64
    "40376yuml40255yuml", // 65
    "", // 66
    "40034quot48204zwnj", // 67
    "38746cup68756there4", // 68
    "30929rho30961rho38764sim", // 69
    "38834sub30932tau30964tau", // 70
    "38747int38206lrm38207rlm", // 71
    "30936psi30968psi30165yen", // 72
    "", // 73
    "28805ge30168uml", // 74
    "30982piv", // 75
    "", // 76
    "30172not", // 77
    "", // 78
    "28804le", // 79
    "30173shy", // 80
    "39674loz28800ne38721sum", // 81
    "", // 82
    "", // 83
    "38835sup", // 84
    "28715ni", // 85
    "", // 86
    "20928pi20960pi38205zwj", // 87
    "", // 88
    "20062gt60923lambda60955lambda", // 89
    "", // 90
    "", // 91
    "60199ccedil60231ccedil", // 92
    "", // 93
    "20060lt", // 94
    "28744or20926xi20958xi", // 95
    "20924mu20956mu", // 96
    "20925nu20957nu", // 97
    "68225dagger68224dagger", // 98
    "80977thetasym", // 99
    "", // 100
    "", // 101
    "", // 102
    "78501alefsym", // 103
    "", // 104
    "", // 105
    "", // 106
    "60193aacute60225aacute60195atilde60227atilde", // 107
    "", // 108
    "60247divide70927omicron70959omicron", // 109
    "60192agrave60224agrave", // 110
    "60201eacute60233eacute60962sigmaf", // 111
    "70917epsilon70949epsilon", // 112
    "", // 113
    "60200egrave60232egrave", // 114
    "60205iacute60237iacute", // 115
    "", // 116
    "", // 117
    "68230hellip60204igrave60236igrave", // 118
    "60166brvbar", // 119
    "68704forall58711nabla60209ntilde60241ntilde69824spades", // 120
    "60189frac1260183middot60211oacute60243oacute60213otilde60245otilde", // 121
    "", // 122
    "50184cedil60188frac14", // 123
    "50194acirc50226acirc50198aelig50230aelig60210ograve60242ograve", // 124
    "60190frac3450915gamma50947gamma58465image58730radic", // 125
    "60352scaron60353scaron", // 126
    "69829hearts60218uacute60250uacute", // 127
    "50913alpha50945alpha50202ecirc50234ecirc70933upsilon70965upsilon", // 128
    "68240permil", // 129
};

} // namespace

long LookUpEntity(std::string_view lowerName) {
    if (lowerName.empty()) return 0;
    unsigned sum = 0;
    for (unsigned char c : lowerName) sum += c;
    for (const char* p = kBuckets[sum % kBucketCount]; *p != '\0';) {
        const size_t length = static_cast<size_t>(*p - '0');
        if (lowerName.size() == length && lowerName.compare(0, length, p + 5, length) == 0)
            return (p[1] - '0') * 1000L + (p[2] - '0') * 100L + (p[3] - '0') * 10L + (p[4] - '0');
        p += 5 + length;
    }
    return 0;
}

int EntityBucketCount() { return kBucketCount; }

int EntityCount(int bucket) {
    int count = 0;
    for (const char* p = kBuckets[bucket]; *p != '\0'; p += 5 + (*p - '0')) ++count;
    return count;
}

} // namespace nook::xml
