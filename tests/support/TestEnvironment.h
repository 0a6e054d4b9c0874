#pragma once

#include "platform/DateTime.h"

namespace qm::test {

/// The date and time every test starts from: Tuesday, 31 March 2026, 10:15.
TDateTime fixedNow();

/// Forces the headless platform, then pins resolution 96, the English (US)
/// locale, fixedNow() and Berlin's time zone. Called by the test mains before the application
/// object exists (the platform choice) and after (the rest).
void prepareHeadlessPlatform();
void pinTestEnvironment();

} // namespace qm::test
