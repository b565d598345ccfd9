#pragma once
// The project's own web site, online help page and support mail address.

inline constexpr const char* SiteAddress = "https://zudevivivoduv.org/";
inline constexpr const char* HelpPageAddress = "https://zudevivivoduv.org/help.html";
inline constexpr const char* SupportMailAddress = "support@zudevivivoduv.org";
