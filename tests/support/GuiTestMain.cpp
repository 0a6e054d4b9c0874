#include "support/TestEnvironment.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qm::test::prepareHeadlessPlatform();
    QGuiApplication application(argc, argv);
    qm::test::pinTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
