#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "core/TypeRegistry.hpp"
#include "kernel/DebugLogger.hpp"
#include "resources/BrixFile.hpp"
#include "resources/BrixTypes.hpp"
#include "support/SourceDir.hpp"

#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

Ref<BrixFile> parse(const std::string& text) {
    auto file = std::make_shared<BrixFile>();
    file->loadFromString(text);
    return file;
}

// The text of field `name` of the only top-level group.
std::string entry(const std::string& body, const std::string& name) {
    return parse("[g]{" + body + "}")->queryString("g." + name);
}

TEST(BrixReader, LastAssignmentWinsAndEveryAssignmentCounts) {
    auto group = parse("[g]{ a = 1; a = 2; }")->getGroup("g", -1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->getFieldString("a", -1, nullptr), "2");
    EXPECT_EQ(group->CountFields(), 2);
}

TEST(BrixReader, StarredNamesAppendToOneArrayField) {
    auto group = parse("[g]{ f* = x; f* = y; }")->getGroup("g", -1);
    ASSERT_TRUE(group);
    EXPECT_TRUE(group->FieldIsArray("f"));
    EXPECT_EQ(group->getFieldString("f", 1, nullptr), "y");
    EXPECT_EQ(group->getField("f", 2, nullptr), nullptr);
    const auto all = std::dynamic_pointer_cast<ObjectBag>(group->getField("f", -1, nullptr));
    ASSERT_TRUE(all);
    EXPECT_EQ(all->getSize(), 2);
    EXPECT_EQ(group->CountFields(), 1);
}

TEST(BrixReader, QuotesProtectSpecialCharactersButAreNotStored) {
    EXPECT_EQ(entry("name = a b;", "name"), "a b");
    EXPECT_EQ(entry("name = \"  a b  \";", "name"), "a b");
    EXPECT_EQ(entry("v = \"[x] {y} *z* //w\";", "v"), "[x] {y} *z* //w");
    EXPECT_EQ(entry("v = a\\\"b;", "v"), "a\\\"b");
}

TEST(BrixReader, SemicolonEndsEntryEvenInsideQuotes) {
    auto group = parse("[g]{ path = \"a;b\"; }")->getGroup("g", -1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->getFieldString("path", -1, nullptr), "a");
    ASSERT_NE(group->findField("b"), nullptr);
    EXPECT_EQ(group->getFieldString("b", -1, nullptr), "");
}

TEST(BrixReader, EqualsSignsAndLineBreaksNeverReachTheText) {
    EXPECT_EQ(entry("x = a=b;", "x"), "ab");
    EXPECT_EQ(entry("x = one\n\t  two;", "x"), "one  two"); // the blanks stay
    EXPECT_EQ(entry("x = a\tb\rc;", "x"), "abc");
    EXPECT_EQ(parse("[g]{ lonely; }")->getGroup("g", -1)->getFieldString("lonely", -1, nullptr),
              "");
}

TEST(BrixReader, ScriptBlocksKeepTheirTextVerbatim) {
    EXPECT_EQ(entry("s = [[ one; two ]];", "s"), "one; two");
    EXPECT_EQ(entry("s = [[a\n \"b\" {c}]];", "s"), "a\n \"b\" {c}");
    // A script cut off by the end of the input drops its group.
    EXPECT_TRUE(parse("[g]{ s = [[ never closed")->getGroups()->isEmpty());
}

TEST(BrixReader, CommentsLeaveNoTraceBetweenEntries) {
    const auto file = parse("// [not] a group\n/* [nor] this */\n[g]\n{\n"
                            "  a = 1; // trailing [x]\n  /* b = 2; */\n  c = 3;\n}\n");
    ASSERT_EQ(file->getGroups()->getSize(), 1);
    const auto group = file->getGroup("g", -1);
    EXPECT_EQ(group->getFieldNames(), (std::vector<std::string>{"a", "c"}));
}

TEST(BrixReader, UnquotedCommentsInsideValuesLeaveTheirSlashes) {
    EXPECT_EQ(entry("url = http://example; ignored\n;", "url"), "http:/");
    EXPECT_EQ(entry("v = a/*x*/b;", "v"), "a//b");
    EXPECT_EQ(entry("v = \"http://example\";", "v"), "http://example");
}

TEST(BrixReader, ChildPrefixFillsOneChildGroup) {
    const auto file = parse("[res]{ sub:x = 1; sub:y = 2; }");
    const auto group = file->getGroup("res", -1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->CountChildren(), 1);
    EXPECT_EQ(file->queryString("res.sub.x"), "1");
    EXPECT_EQ(file->queryString("res.sub.y"), "2");
}

TEST(BrixReader, NestedGroupsBecomeChildrenInFileOrder) {
    const auto file = parse("[outer]{ a = 1; [inner]{ b = 2; [deep]{ c = 3; } } d = 4; }");
    const auto outer = file->getGroup("outer", -1);
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->getFieldNames(), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(file->queryString("outer.inner.deep.c"), "3");
}

TEST(BrixReader, HeaderFormsGiveIdentifierArrayFlagAndMetadata) {
    const auto file =
        parse("[]{} [list*]{a=1;} [list*]{a=2;} [t:component, n:body]{} [ sp ace ]{}");
    const auto groups = file->getGroups();
    ASSERT_EQ(groups->getSize(), 5);
    EXPECT_EQ(groups->get(0)->getIdentifier(), "*");
    EXPECT_EQ(groups->get(1)->getIdentifier(), "list");
    EXPECT_EQ(groups->get(1)->m_IsArray, 1);
    EXPECT_EQ(groups->get(3)->getIdentifier(), "body");
    EXPECT_EQ(groups->get(3)->GetMeta("T"), "component");
    EXPECT_EQ(groups->get(4)->getIdentifier(), " sp ace ");
}

TEST(BrixReader, CarriageReturnLineFeedReadsLikeLineFeed) {
    const std::string lf = "[g]\n{\n  a = 1;\n  b = x\n y;\n  [c]\n  {\n    d = \"q\";\n  }\n}\n";
    std::string crlf;
    for (const char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto one = parse(lf);
    const auto two = parse(crlf);
    for (const char* path : {"g.a", "g.b", "g.c.d"}) {
        EXPECT_EQ(one->queryString(path), two->queryString(path)) << path;
    }
    EXPECT_EQ(two->queryString("g.b"), "x y");
}

TEST(BrixReader, GroupCutOffByTheEndIsDroppedWithItsParents) {
    EXPECT_EQ(parse("[a]{x=1;} [b]{y=2;")->getGroups()->getSize(), 1);
    EXPECT_EQ(parse("[a]{x=1;} [b]{ [c]{ y=2; }")->getGroups()->getSize(), 1);
    EXPECT_EQ(parse("[a]{x=1;} [b")->getGroups()->getSize(), 1);
    EXPECT_EQ(parse("[a]{x=\"}\";")->getGroups()->getSize(), 0);
}

TEST(BrixReader, BytesAboveAsciiAreKeptOneCharacterEach) {
    EXPECT_EQ(entry("name = caf\xc3\xa9 \xff;", "name"), "caf\xc3\xa9 \xff");
    EXPECT_EQ(parse("[\xe9t\xe9]{a=1;}")->queryString("\xe9t\xe9.a"), "1");
}

// `levels` groups, each "[gN]{ vN = N;" nested in the one before, all closed.
std::string nested(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i) {
        text +=
            "[g" + std::to_string(i) + "]{ v" + std::to_string(i) + " = " + std::to_string(i) + ";";
    }
    return text + std::string(static_cast<std::size_t>(levels), '}');
}

// The dotted path of field `vN` of the group nested `levels` deep.
std::string nestedPath(int levels) {
    std::string path;
    for (int i = 0; i < levels; ++i) {
        path += "g" + std::to_string(i) + ".";
    }
    return path + "v" + std::to_string(levels - 1);
}

TEST(BrixReader, GroupsNestUpToTheLimit) {
    const auto file = parse(nested(BrixFile::MAX_NESTING_DEPTH) + "[after]{y=2;}");
    EXPECT_EQ(file->queryString(nestedPath(BrixFile::MAX_NESTING_DEPTH)), "99");
    EXPECT_EQ(file->QueryInt("after.y"), 2);
}

TEST(BrixReader, GroupNestedTooDeepIsLeftOutAndReadingGoesOn) {
    const auto file = parse(nested(BrixFile::MAX_NESTING_DEPTH + 1) + "[after]{y=2;}");
    ASSERT_EQ(file->getGroups()->getSize(), 2);
    EXPECT_EQ(file->query(nestedPath(BrixFile::MAX_NESTING_DEPTH + 1)), nullptr);
    EXPECT_EQ(file->queryString(nestedPath(BrixFile::MAX_NESTING_DEPTH)), "99")
        << "the groups around the one left out stay";
    EXPECT_EQ(file->QueryInt("after.y"), 2);

    // What the left-out group holds still steers the scanner: a quoted brace does not close it,
    // and the entries after it belong to its parent again.
    std::string text = "[top]{";
    for (int i = 1; i < BrixFile::MAX_NESTING_DEPTH; ++i) {
        text += "[n]{";
    }
    text += "[deep]{ s = \"}\"; /* } */ [deeper]{} } tail = 1;";
    text += std::string(static_cast<std::size_t>(BrixFile::MAX_NESTING_DEPTH), '}');
    text += "[after]{y=2;}";
    const auto quoted = parse(text);
    std::string innermost = "top";
    for (int i = 1; i < BrixFile::MAX_NESTING_DEPTH; ++i) {
        innermost += ".n";
    }
    EXPECT_EQ(quoted->queryString(innermost + ".tail"), "1");
    EXPECT_EQ(quoted->query(innermost + ".deep"), nullptr);
    EXPECT_EQ(quoted->QueryInt("after.y"), 2);
}

TEST(BrixReader, VeryDeepNestingCostsNoCallStack) {
    std::string deep = "[top]{ok=1;}";
    for (int i = 0; i < 100000; ++i) {
        deep += "[g]{";
    }
    deep += std::string(100000, '}');
    deep += "[after]{x=1;}";
    const auto file = parse(deep);
    ASSERT_EQ(file->getGroups()->getSize(), 3);
    EXPECT_EQ(file->queryString("top.ok"), "1");
    EXPECT_EQ(file->queryString("after.x"), "1");

    // Cut off inside the deep nesting: every enclosing group goes, the earlier ones stay.
    const auto cut = parse(deep.substr(0, deep.size() / 2));
    ASSERT_EQ(cut->getGroups()->getSize(), 1);
    EXPECT_EQ(cut->queryString("top.ok"), "1");
}

TEST(BrixReader, ParsingStepsAreTimedWhenLoggingIsOn) {
    TarvexFramework::enableLogging(DebugLogger::DEBUG_LEVEL_ALL);
    (void)parse("// c\n[a]{ /* c */ [b]{} }");
    for (const char* name : {"BrixFile.findGroupStart", "BrixFile.readGroup", "BrixFile.addGroup",
                             "BrixFile.readGroupIdentifier", "BrixFile.collapseSingleComment",
                             "BrixFile.collapseMultiComment"}) {
        const auto timer = TarvexFramework::logger()->findTimer(name);
        ASSERT_TRUE(timer) << name;
        EXPECT_GT(timer->Calls, 0) << name;
        EXPECT_EQ(timer->m_TimerBuffer, 0) << name << " left running";
    }
    TarvexFramework::disableLogging();
}

TEST(BrixFileLoad, SourcesOpenAsStreamsOrParseAsText) {
    platform::registerMemoryFile("brix-test.brix", {'[', 'a', ']', '{', 'x', '=', '1', ';', '}'});
    const auto fromUrl = BrixFile::Load("memory::brix-test.brix");
    ASSERT_TRUE(fromUrl);
    EXPECT_EQ(fromUrl->QueryInt("a.x"), 1);

    const auto fromText = BrixFile::Load("[a]{x=2;}");
    ASSERT_TRUE(fromText);
    EXPECT_EQ(fromText->QueryInt("a.x"), 2);
    EXPECT_EQ(BrixFile::Load("no groups here"), nullptr);

    platform::registerMemoryFile("empty.brix", {});
    const auto empty = BrixFile::Load("memory::empty.brix");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->getGroups()->isEmpty());
}

TEST(BrixFileLoad, ObjectSourcesByTheirType) {
    EXPECT_EQ(BrixFile::Load(TextObject::Create("[a]{x=3;}"))->QueryInt("a.x"), 3);
    const ObjectRef stream = std::make_shared<platform::MemoryStream>(
        std::vector<std::uint8_t>{'[', 'b', ']', '{', '}'});
    EXPECT_EQ(BrixFile::Load(stream)->getGroups()->getSize(), 1);
    EXPECT_TRUE(BrixFile::Load(std::make_shared<BrixGroup>())->getGroups()->isEmpty());
    try {
        (void)BrixFile::Load(ObjectRef());
        FAIL() << "a null source must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Unable to load BrixFile");
    }
    try {
        BrixFile file;
        file.loadFromStream(nullptr);
        FAIL() << "a null stream must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Attempted to read from null stream");
    }
}

TEST(BrixFileLoad, RepeatedLoadsAppendGroups) {
    BrixFile file;
    EXPECT_EQ(file.loadFromString("[a]{} [b]{}"), 2);
    EXPECT_EQ(file.loadFromString("[c]{}"), 1);
    EXPECT_EQ(file.getGroups()->getSize(), 3);
}

TEST(BrixFileLoad, ReadAllEndsEveryLineAndAddsNul) {
    platform::MemoryStream text(std::vector<std::uint8_t>{'a', '\n', 'b'});
    EXPECT_EQ(BrixFile::readAll(text), std::string("a\nb\n\0", 5));
}

TEST(BrixFileLoad, TypesAreRegistered) {
    registerBrixTypes();
    const Type* type = TypeRegistry::instance().findByName("BrixGroup");
    ASSERT_NE(type, nullptr);
    EXPECT_NE(type->findField("m_Children"), nullptr);
    EXPECT_NE(TypeRegistry::instance().findByName("BrixFile"), nullptr);
    EXPECT_NE(TypeRegistry::instance().findByName("BrixField"), nullptr);
}

// Every shipped definition file reads, and gives what the content team's checker reads.
TEST(BrixResourceDb, ShippedDefinitionFilesRead) {
    const std::string db = tarvex::testing::sourcePath("resource_db/");
    const std::pair<const char*, const char*> files[] = {{"audio", "depthrun.sounds"},
                                                         {"backgrounds", "depthrun.backgrounds"},
                                                         {"levels", "depthrun.levels"},
                                                         {"music", "depthrun.music"},
                                                         {"objects", "depthrun.objects"},
                                                         {"particles", "depthrun.particles"},
                                                         {"ui", "depthrun.ui"}};
    for (const auto& [folder, ns] : files) {
        const auto file = BrixFile::Load(db + folder + "/resources.brix");
        ASSERT_TRUE(file) << folder;
        EXPECT_EQ(file->queryString("resources.namespace"), ns) << folder;
        const auto resources = file->getGroup("resources", -1);
        ASSERT_TRUE(resources) << folder;
        EXPECT_GT(resources->CountChildren(), 0) << folder;
        for (const auto& child : *resources->GetChildren("")) {
            EXPECT_EQ(child->GetMeta("t"), "resource") << folder << " " << child->Identifier;
            EXPECT_FALSE(child->getFieldString("type", -1, nullptr).empty()) << child->Identifier;
        }
    }
    const auto objects = BrixFile::Load(db + "objects/resources.brix");
    EXPECT_EQ(objects->queryString("resources.player_parts.file"), "player_parts.png");
    EXPECT_EQ(objects->QueryInt("resources.player_parts.width"), 12);
    EXPECT_EQ(objects->queryString("resources.depth_charge_spin.animation_frames.default"),
              "0, 1, 2, 3");
    const auto levels = BrixFile::Load(db + "levels/resources.brix");
    EXPECT_EQ(levels->queryString("resources.level_1_1.time_of_day"), "sunny");
    EXPECT_FLOAT_EQ(levels->QueryFloat("resources.level_1_3.speed_multiplier"), 1.1F);
    // A dotted identifier is reached by walking, not by a path.
    const auto particles = BrixFile::Load(db + "particles/resources.brix");
    const auto small = particles->getGroup("resources", -1)->GetChild("explosion.small", -1);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->getFieldString("frames", -1, nullptr), "12");
}

} // namespace
} // namespace tarvex
