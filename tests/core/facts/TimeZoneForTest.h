// Sets the C runtime's time zone for one test and puts the previous one back.
#pragma once
#include <cstdlib>
#include <ctime>
#include <string>

class TimeZoneForTest {
public:
    // A zone in the TZ form both runtimes read, e.g. "UTC0", "CET-1", "EST5".
    explicit TimeZoneForTest(const char* zone) { Set(zone); }
    ~TimeZoneForTest() { Set(m_saved.empty() ? nullptr : m_saved.c_str()); }
    TimeZoneForTest(const TimeZoneForTest&) = delete;
    TimeZoneForTest& operator=(const TimeZoneForTest&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : "");
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }
    std::string m_saved = std::getenv("TZ") ? std::getenv("TZ") : "";
};
