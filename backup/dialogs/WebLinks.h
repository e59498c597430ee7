// The service's web pages the program opens in the system's browser. Fixed: they do not
// follow the configured service host, which may be a private backup endpoint.
#pragma once

namespace nook {

inline constexpr char kHomePageAddress[] = "http://www.nookdiary.com/";
inline constexpr char kForumPageAddress[] = "http://bbs.nookdiary.com/shtml/b6.html";
inline constexpr char kFindPasswordAddress[] = "http://www.nookdiary.com/Login/findpassword.asp";

} // namespace nook
