// GDI+ runs for the whole test program, as it does for the whole program.
#include <gtest/gtest.h>

#include <optional>

#include "ui/gdiplus_session.h"

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_session.emplace();
        ASSERT_TRUE(m_session->IsStarted());
    }
    void TearDown() override { m_session.reset(); }

private:
    std::optional<CGdiplusSession> m_session;
};

[[maybe_unused]] testing::Environment* const g_gdiplus = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

} // namespace
