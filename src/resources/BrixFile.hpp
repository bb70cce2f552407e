// A parsed Brix file: the text data format of resource definitions, component schemas, entity
// templates and levels. A file is a list of top-level groups; values are reached by walking the
// groups or by dotted paths:
//
//     auto file = BrixFile::Load("resource_db/objects/resources.brix");
//     std::string ns = file->queryString("resources.namespace");   // "depthrun.objects"
//     std::int32_t frames = file->QueryInt("resources.mine.frames");
//     auto components = file->getNodes("[t:component]");            // by header metadata
//
// Reading never fails on malformed text: the scanner turns any bytes into whatever groups they
// make, a group cut off by the end of the input is dropped, and a missing path answers null (or
// "", 0, 0.0, false from the typed queries). Errors are raised only for misuse: a null stream,
// a source that is no object at all, or setValue on a path that names a group.
//
// The scanner steps are virtual so that a reader of a dialect can override one of them.
#pragma once

#include "core/Bag.hpp"
#include "core/Object.hpp"
#include "platform/Stream.hpp"
#include "resources/BrixByteReader.hpp"
#include "resources/BrixGroup.hpp"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace tarvex {

class BrixFile : public Object {
    TARVEX_OBJECT(BrixFile, Object)
public:
    // Groups nest at most this deep (a top-level group counts as one). A group nested deeper is
    // read to its closing brace and left out, with everything inside it; its enclosing groups
    // and everything after it are kept. The bound keeps whoever walks the tree recursively
    // (and the tree's own destruction) within the stack.
    static constexpr std::int32_t MAX_NESTING_DEPTH = 100;

    BrixFile();

    // Opens `source` as a stream (a path or any stream URL) and parses it, answering the file
    // even when it holds no group. A source that opens as no stream is parsed as Brix text
    // itself; that answers null when it holds no complete group.
    [[nodiscard]] static Ref<BrixFile> Load(const std::string& source);
    // A stream is parsed; text is loaded as above; any other object answers an empty file;
    // null raises "Unable to load BrixFile".
    [[nodiscard]] static Ref<BrixFile> Load(const ObjectRef& source);

    [[nodiscard]] const Ref<Bag<BrixGroup>>& getGroups() const { return m_Groups; }

    // The value, array (an ObjectBag) or group a dotted path names; null when there is none.
    // "group.field", "group.field[2]", "list[1].field", "group.child.field".
    [[nodiscard]] ObjectRef query(const std::string& path);
    [[nodiscard]] std::string queryString(const std::string& path);
    [[nodiscard]] std::int32_t QueryInt(const std::string& path);
    [[nodiscard]] float QueryFloat(const std::string& path);
    // True for a text whose integer value is above zero or which reads "true" in any case.
    [[nodiscard]] bool QueryBool(const std::string& path);
    // Forgets every cached query answer (setValue does not).
    void resetCache();

    // Top-level groups whose header metadata match every "key:value" of a criteria text such as
    // "[t:component]" or "[t:resource, n:mine]", in file order; null when none match or the
    // criteria hold no "[".
    [[nodiscard]] Ref<Bag<BrixGroup>> getNodes(const std::string& criteria) const;
    // The first plain top-level group called `name`; array groups ("[name*]") only by their
    // index among the groups of that name.
    [[nodiscard]] Ref<BrixGroup> getGroup(const std::string& name, std::int32_t offset) const;

    [[nodiscard]] static std::string _getGroupName(const std::string& path);
    [[nodiscard]] static std::string _getFieldName(const std::string& path);

    // Every line of the stream followed by a line feed, then one NUL character.
    [[nodiscard]] static std::string readAll(platform::Stream& stream);

    // Parse and append groups; both answer the number of groups added.
    std::int32_t loadFromString(const std::string& text);
    // Raises "Attempted to read from null stream" for a null stream.
    std::int32_t loadFromStream(const Ref<platform::Stream>& stream);

    // Stores a field of a top-level group ("group.field"), creating the group when needed.
    // Raises "Cannot set value for entire group '<path>'" when the path names a group.
    void setValue(const std::string& path, ObjectRef value);
    void setValue(const std::string& path, const std::string& value);

    // Appends a group; null is ignored.
    void addGroup(const Ref<BrixGroup>& group);

    // Scanner steps. readGroup starts at a group's "[" and reads it with every group nested in
    // it; it answers null when the input ends before the group's closing brace.
    [[nodiscard]] virtual Ref<BrixGroup> readGroup(BrixByteReader& reader);
    // Skips to the next "[" outside comments and leaves it unread; false at the end.
    virtual bool findGroupStart(BrixByteReader& reader);
    // The header text after "[" up to (and consuming) the first "]".
    [[nodiscard]] virtual std::string readGroupIdentifier(BrixByteReader& reader);
    // The verbatim text after "[[" up to (and consuming) the first "]]".
    [[nodiscard]] virtual std::string readScriptSource(BrixByteReader& reader);
    // The text up to (and consuming) the next double quote not preceded by a backslash.
    [[nodiscard]] virtual std::string readString(BrixByteReader& reader);
    // Skips bytes of codes 0 to 30 (the indentation after a line feed).
    virtual void collapseWhitespace(BrixByteReader& reader);
    // Skips the rest of a line comment, its line feed included.
    virtual void collapseSingleComment(BrixByteReader& reader);
    // Skips a block comment up to "*/"; with `putBackSlash` the closing "/" is left unread.
    virtual void collapseMultiComment(BrixByteReader& reader, bool putBackSlash);

    Ref<Bag<BrixGroup>> m_Groups;
    std::unordered_map<std::string, ObjectRef> m_QueryCache;

private:
    struct _ScanState;
    void _endEntry(BrixGroup& group, std::string& name, std::string& value, bool arrayMark) const;
    void _readHeader(BrixByteReader& reader, _ScanState& state);
};

} // namespace tarvex
