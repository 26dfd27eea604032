// Every widget test draws in the game's own look, set once the application exists.
#include <QApplication>
#include <gtest/gtest.h>

#include "widgets/classic_look.h"

namespace {

class ClassicLook : public testing::Environment {
public:
    void SetUp() override { ApplyClassicLook(*qApp); }
};

testing::Environment* const g_classicLook = testing::AddGlobalTestEnvironment(new ClassicLook);

}  // namespace
