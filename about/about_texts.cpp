#include "about/about_texts.h"

namespace ondalith::about {

const char* const kCreditsText =
    "Copyright (C) Kestrova. All rights reserved.\r\n"
    "More free screensavers at https://kestrova.example/\r\n"
    "Questions or ideas? Write to support@kestrova.example";

const char* const kWebsiteLink = "https://kestrova.example/?utm_source=About";

int centredOrigin(int screenSize, int windowSize) {
    return static_cast<int>((screenSize - windowSize) * 0.5);
}

std::vector<std::string> creditsLines() {
    std::vector<std::string> lines(1);
    for (const char* c = kCreditsText; *c; ++c) {
        if (*c == '\n') {
            if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
            lines.emplace_back();
        } else {
            lines.back() += *c;
        }
    }
    return lines;
}

}  // namespace ondalith::about
