#include "content/ComponentField.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(ComponentField, ProtectionLevelWordsInAnyCase) {
    ComponentField field;
    EXPECT_EQ(field.getProtectionLevel(), ComponentField::PROTECTION_PRIVATE);
    EXPECT_EQ(field.setProtectionLevel("public").getProtectionLevel(), 3);
    EXPECT_EQ(field.setProtectionLevel("Protected").getProtectionLevel(), 2);
    EXPECT_EQ(field.setProtectionLevel("PRIVATE").getProtectionLevel(), 1);
}

TEST(ComponentField, UnknownProtectionWordKeepsTheLevel) {
    ComponentField field;
    field.setProtectionLevel("public");
    field.setProtectionLevel("open").setProtectionLevel("").setProtectionLevel(" public");
    EXPECT_EQ(field.getProtectionLevel(), ComponentField::PROTECTION_PUBLIC);
}

} // namespace
} // namespace tarvex
