// The sponsor line of the main window: one text and one bare host name per
// entry; the link adds "http://" in front and "?zorvane" behind.
#pragma once

inline constexpr int kSponsorCount = 4;

inline constexpr const char* SponsorText[kSponsorCount] = {
    "Briefwerk - Schöne Vorlagen für Ihre tägliche Post",
    "Postfuchs - Sortiert Ihren Posteingang wie von selbst",
    "Netzwacht - Schützt Ihr Postfach vor lästigem Werbemüll",
    "Adressboot - Ihr Adressbuch sicher an jedem Ort dabei",
};

inline constexpr const char* SponsorAddress[kSponsorCount] = {
    "www.example.org",
    "www.example.com",
    "www.example.net",
    "web.example.org",
};
