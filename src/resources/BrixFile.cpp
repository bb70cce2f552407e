#include "resources/BrixFile.hpp"

#include "core/Error.hpp"
#include "core/TextConversion.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/DebugLogger.hpp"
#include "resources/BrixFileUtil.hpp"

#include <algorithm>
#include <span>
#include <vector>

namespace tarvex {
namespace {

constexpr int END = BrixByteReader::END;
constexpr int NONE = -2; // "no previous byte": differs from every byte and from END

} // namespace

const Type& BrixFile::staticType() {
    static const Type& type = TypeBuilder<BrixFile>("BrixFile")
                                  .field("m_Groups", &BrixFile::m_Groups)
                                  .field("m_QueryCache", &BrixFile::m_QueryCache)
                                  .build();
    return type;
}

BrixFile::BrixFile() : m_Groups(std::make_shared<Bag<BrixGroup>>()) {}

Ref<BrixFile> BrixFile::Load(const std::string& source) {
    auto file = std::make_shared<BrixFile>();
    if (auto stream = platform::openStream(source)) {
        file->loadFromStream(stream);
        return file;
    }
    file->loadFromString(source);
    return file->m_Groups->isEmpty() ? nullptr : file;
}

Ref<BrixFile> BrixFile::Load(const ObjectRef& source) {
    if (!source) {
        throw Error("Unable to load BrixFile");
    }
    if (auto stream = std::dynamic_pointer_cast<platform::Stream>(source)) {
        auto file = std::make_shared<BrixFile>();
        file->loadFromStream(stream);
        return file;
    }
    if (const auto* text = dynamic_cast<const TextObject*>(source.get())) {
        return Load(text->value);
    }
    return std::make_shared<BrixFile>();
}

ObjectRef BrixFile::query(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    if (const auto cached = m_QueryCache.find(path); cached != m_QueryCache.end()) {
        return cached->second;
    }
    const auto segments = BrixFile_Util::Split(path, '.');
    const auto group =
        getGroup(BrixFile_Util::GetName(segments[0]), BrixFile_Util::GetOffset(segments[0]));
    if (!group) {
        return nullptr;
    }
    auto result = group->Query(BrixFile_Util::AssembleQuery(segments));
    // Only answers are kept: a miss stays a miss until the path can be found.
    if (result) {
        m_QueryCache.emplace(path, result);
    }
    return result;
}

std::string BrixFile::queryString(const std::string& path) {
    return brixText(query(path));
}

std::int32_t BrixFile::QueryInt(const std::string& path) {
    return toInt(queryString(path));
}

float BrixFile::QueryFloat(const std::string& path) {
    return toFloat(queryString(path));
}

bool BrixFile::QueryBool(const std::string& path) {
    const std::string text = queryString(path);
    return toInt(text) > 0 || BrixFile_Util::LowerCase(text) == "true";
}

void BrixFile::resetCache() {
    m_QueryCache.clear();
}

Ref<Bag<BrixGroup>> BrixFile::getNodes(const std::string& criteria) const {
    if (criteria.find('[') == std::string::npos) {
        return nullptr;
    }
    // The brackets are the first and last characters.
    const std::string inner = criteria.size() >= 2 ? criteria.substr(1, criteria.size() - 2) : "";
    std::vector<std::pair<std::string, std::string>> wanted;
    for (const auto& part : BrixFile_Util::Split(inner, ',')) {
        const auto colon = part.find(':');
        const std::string key = part.substr(0, colon);
        const std::string value = colon == std::string::npos ? "" : part.substr(colon + 1);
        wanted.emplace_back(BrixFile_Util::LowerCase(BrixFile_Util::Trim(key)),
                            BrixFile_Util::Trim(value));
    }
    auto matching = std::make_shared<Bag<BrixGroup>>();
    for (const auto& group : *m_Groups) {
        const bool matches = std::all_of(wanted.begin(), wanted.end(), [&](const auto& criterion) {
            return group->GetMeta(criterion.first) == criterion.second;
        });
        if (matches) {
            matching->add(group);
        }
    }
    return matching->isEmpty() ? nullptr : matching;
}

Ref<BrixGroup> BrixFile::getGroup(const std::string& name, std::int32_t offset) const {
    std::int32_t count = 0;
    for (const auto& group : *m_Groups) {
        if (group->Identifier != name) {
            continue;
        }
        if (group->m_IsArray == 0) {
            return group;
        }
        if (offset >= 0 && count == offset) {
            return group;
        }
        ++count;
    }
    return nullptr;
}

std::string BrixFile::_getGroupName(const std::string& path) {
    const auto dot = path.rfind('.');
    return dot == std::string::npos ? "" : path.substr(0, dot);
}

std::string BrixFile::_getFieldName(const std::string& path) {
    const auto dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

std::string BrixFile::readAll(platform::Stream& stream) {
    BrixByteReader reader(stream);
    std::string text;
    bool lineOpen = false;
    for (int c = reader.get(); c != END; c = reader.get()) {
        text += static_cast<char>(c);
        lineOpen = c != '\n';
    }
    if (lineOpen) {
        text += '\n'; // the last line ends with a line feed too
    }
    text += '\0';
    return text;
}

std::int32_t BrixFile::loadFromString(const std::string& text) {
    // Characters are bytes already: the low 8 bits of each.
    const auto stream = platform::MemoryStream::view(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return loadFromStream(stream);
}

std::int32_t BrixFile::loadFromStream(const Ref<platform::Stream>& stream) {
    if (!stream) {
        throw Error("Attempted to read from null stream");
    }
    BrixByteReader reader(*stream);
    std::int32_t added = 0;
    while (findGroupStart(reader)) {
        if (auto group = readGroup(reader)) {
            addGroup(group);
            ++added;
        }
    }
    return added;
}

void BrixFile::setValue(const std::string& path, ObjectRef value) {
    if (std::dynamic_pointer_cast<BrixGroup>(query(path))) {
        throw Error("Cannot set value for entire group '" + path + "'");
    }
    const std::string groupName = _getGroupName(path);
    const std::string fieldName = _getFieldName(path);
    if (auto group = getGroup(groupName, -1)) {
        group->AddField(fieldName, std::move(value), false);
        return;
    }
    auto group = std::make_shared<BrixGroup>();
    group->SetIdentifier(groupName);
    group->AddField(fieldName, std::move(value), false);
    m_Groups->add(group);
}

void BrixFile::setValue(const std::string& path, const std::string& value) {
    setValue(path, TextObject::Create(value));
}

void BrixFile::addGroup(const Ref<BrixGroup>& group) {
    TarvexFramework::startDebugTimer("BrixFile.addGroup");
    if (group) {
        m_Groups->add(group);
    }
    TarvexFramework::stopDebugTimer("BrixFile.addGroup");
}

void BrixFile::_endEntry(BrixGroup& group, std::string& name, std::string& value,
                         bool arrayMark) const {
    name = BrixFile_Util::Trim(name);
    value = BrixFile_Util::Trim(value);
    const auto colon = name.find(':');
    if (colon == std::string::npos) {
        group.AddField(name, value, arrayMark);
        return;
    }
    const std::string childName = name.substr(0, colon);
    auto child = group.GetChild(childName, -1);
    if (!child) {
        child = std::make_shared<BrixGroup>();
        child->SetIdentifier(childName);
        group.AddChild(child);
    }
    child->AddField(name.substr(colon + 1), value, arrayMark);
}

// What the scanner keeps while it reads one group's body. Nested groups are read with a stack of
// these rather than by recursion, so that nesting depth costs heap, not call stack.
struct BrixFile::_ScanState {
    Ref<BrixGroup> group; // null for a group nested too deep: read, then left out
    bool named = false;   // the header gave an identifier (an unquoted "[" now opens a child)
    std::string name;
    std::string value;
    bool namePart = true;
    bool quoted = false;
    bool arrayMark = false;
    int previous = NONE;
    int next = NONE;
};

void BrixFile::_readHeader(BrixByteReader& reader, _ScanState& state) {
    std::string header = readGroupIdentifier(reader);
    const bool isArray = !header.empty() && header.back() == '*';
    if (isArray) {
        std::erase(header, '*');
    }
    if (state.group) {
        if (isArray) {
            state.group->m_IsArray = 1;
        }
        state.group->SetIdentifier(header);
        state.named = !state.group->Identifier.empty();
        return;
    }
    BrixGroup probe; // a metadata header without "n" names nothing, and the next "[" is a header
    probe.SetIdentifier(header);
    state.named = !probe.Identifier.empty();
}

Ref<BrixGroup> BrixFile::readGroup(BrixByteReader& reader) {
    TarvexFramework::startDebugTimer("BrixFile.readGroup");
    std::vector<_ScanState> open;
    open.emplace_back().group = std::make_shared<BrixGroup>();
    while (true) {
        _ScanState& state = open.back();
        const int c = reader.get();
        if (c == END) {
            TarvexFramework::stopDebugTimer("BrixFile.readGroup");
            return nullptr; // cut off before its closing brace, and so is every enclosing group
        }
        if (const int ahead = reader.peek(); ahead != END) {
            state.next = ahead; // at the end the earlier look-ahead stands
        }
        std::string& text = state.namePart ? state.name : state.value;
        switch (c) {
        case '[':
            if (state.quoted) {
                state.value += '[';
            } else if (state.next == '[') {
                (void)reader.get();
                state.value = readScriptSource(reader);
            } else if (!state.named) {
                _readHeader(reader, state);
            } else {
                // A nested group: its body is read with a fresh state; this one resumes after
                // the child's closing brace with its texts and flags as they were.
                reader.unget('[');
                state.previous = c;
                const bool keep =
                    state.group && open.size() < static_cast<std::size_t>(MAX_NESTING_DEPTH);
                open.emplace_back().group = keep ? std::make_shared<BrixGroup>() : nullptr;
                continue;
            }
            break;
        case '/':
            if (!state.quoted && state.previous == '/') {
                collapseSingleComment(reader);
                state.previous = NONE;
                continue;
            }
            if (!state.namePart) {
                state.value += '/';
            }
            break;
        case '*':
            // Between quotes a star is always text.
            if (!state.quoted && state.previous == '/') {
                collapseMultiComment(reader, true);
            } else if (!state.quoted && state.namePart) {
                state.arrayMark = true;
            } else {
                state.value += '*';
            }
            break;
        case ';':
            if (state.group) {
                _endEntry(*state.group, state.name, state.value, state.arrayMark);
            }
            state.name.clear();
            state.value.clear();
            state.namePart = true;
            state.quoted = false;
            state.arrayMark = false;
            break;
        case '=':
            state.namePart = false;
            break;
        case '\n':
            collapseWhitespace(reader);
            break;
        case '"':
            if (state.previous == '\\') {
                text += '"';
            } else {
                state.quoted = !state.quoted;
            }
            break;
        case '{':
            if (!state.namePart || state.quoted) {
                state.value += '{';
            }
            break;
        case '}': {
            if (state.quoted) {
                state.value += '}';
                break;
            }
            Ref<BrixGroup> complete = std::move(state.group);
            open.pop_back();
            if (open.empty()) {
                TarvexFramework::stopDebugTimer("BrixFile.readGroup");
                return complete;
            }
            if (complete && open.back().group) {
                open.back().group->AddChild(complete);
            }
            continue; // the parent's previous byte is the "[" that opened the child
        }
        default:
            if (c < 32) {
                break; // tabs, carriage returns and other control bytes never reach the text
            }
            text += static_cast<char>(c);
            break;
        }
        state.previous = c;
    }
}

bool BrixFile::findGroupStart(BrixByteReader& reader) {
    TarvexFramework::startDebugTimer("BrixFile.findGroupStart");
    bool found = false;
    int previous = NONE;
    for (int c = reader.get(); c != END; c = reader.get()) {
        if (c == '[') {
            reader.unget(c);
            found = true;
            break;
        }
        if (c == '/' && previous == '/') {
            collapseSingleComment(reader);
            previous = NONE;
        } else if (c == '*' && previous == '/') {
            collapseMultiComment(reader, false);
            previous = NONE;
        } else {
            previous = c;
        }
    }
    TarvexFramework::stopDebugTimer("BrixFile.findGroupStart");
    return found;
}

std::string BrixFile::readGroupIdentifier(BrixByteReader& reader) {
    TarvexFramework::startDebugTimer("BrixFile.readGroupIdentifier");
    std::string text;
    for (int c = reader.get(); c != END && c != ']'; c = reader.get()) {
        text += static_cast<char>(c);
    }
    TarvexFramework::stopDebugTimer("BrixFile.readGroupIdentifier");
    return text;
}

std::string BrixFile::readScriptSource(BrixByteReader& reader) {
    std::string text;
    for (int c = reader.get(); c != END; c = reader.get()) {
        if (c == ']' && reader.peek() == ']') {
            (void)reader.get();
            break;
        }
        text += static_cast<char>(c);
    }
    return text;
}

std::string BrixFile::readString(BrixByteReader& reader) {
    std::string text;
    int previous = NONE;
    for (int c = reader.get(); c != END; c = reader.get()) {
        if (c == '"' && previous != '\\') {
            break;
        }
        text += static_cast<char>(c);
        previous = c;
    }
    return text;
}

void BrixFile::collapseWhitespace(BrixByteReader& reader) {
    for (int c = reader.get(); c != END; c = reader.get()) {
        if (c > 30) {
            reader.unget(c);
            return;
        }
    }
}

void BrixFile::collapseSingleComment(BrixByteReader& reader) {
    TarvexFramework::startDebugTimer("BrixFile.collapseSingleComment");
    for (int c = reader.get(); c != END && c != '\n'; c = reader.get()) {
    }
    TarvexFramework::stopDebugTimer("BrixFile.collapseSingleComment");
}

void BrixFile::collapseMultiComment(BrixByteReader& reader, bool putBackSlash) {
    TarvexFramework::startDebugTimer("BrixFile.collapseMultiComment");
    int previous = NONE;
    for (int c = reader.get(); c != END; c = reader.get()) {
        if (c == '/' && previous == '*') {
            if (putBackSlash) {
                reader.unget(c);
            }
            break;
        }
        previous = c;
    }
    TarvexFramework::stopDebugTimer("BrixFile.collapseMultiComment");
}

} // namespace tarvex
