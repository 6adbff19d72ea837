#pragma once

// The maintainer's addresses, set at build time (VELNOR_HOMEPAGE_URL,
// VELNOR_MAINTAINER_EMAIL).
inline constexpr const char* MAINTAINER_HOMEPAGE = VELNOR_HOMEPAGE_URL;
inline constexpr const char* MAINTAINER_EMAIL = VELNOR_MAINTAINER_EMAIL;
