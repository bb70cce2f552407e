#include "kernel/DebugLogger.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/LoopPlatform.hpp"

#include <ctime>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tarvex {
namespace {

std::string localTimeText(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[64];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return {buffer, length};
}

// The program's resident memory in bytes.
std::int64_t residentMemory() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t total = 0;
    std::int64_t resident = 0;
    if (!(statm >> total >> resident)) {
        return 0;
    }
    return resident * sysconf(_SC_PAGESIZE);
}

std::int64_t clockMilliseconds() {
    return platform::loopPlatform().milliseconds();
}

struct CurrentLogger {
    std::mutex mutex;
    Ref<DebugLogger> logger;
};

CurrentLogger& currentLogger() {
    static CurrentLogger current;
    return current;
}

} // namespace

const Type& DebugLogEntry::staticType() {
    static const Type& type = TypeBuilder<DebugLogEntry>("DebugLogEntry")
                                  .field("Message", &DebugLogEntry::Message)
                                  .field("Date", &DebugLogEntry::Date)
                                  .field("Time", &DebugLogEntry::Time)
                                  .field("Level", &DebugLogEntry::Level)
                                  .field("CallStack", &DebugLogEntry::CallStack)
                                  .build();
    return type;
}

const Type& DebugTimer::staticType() {
    static const Type& type = TypeBuilder<DebugTimer>("DebugTimer")
                                  .field("Name", &DebugTimer::Name)
                                  .field("Calls", &DebugTimer::Calls)
                                  .field("TotalTime", &DebugTimer::TotalTime)
                                  .field("m_TimerBuffer", &DebugTimer::m_TimerBuffer)
                                  .build();
    return type;
}

const Type& DebugLogger::staticType() {
    static const Type& type = TypeBuilder<DebugLogger>("DebugLogger")
                                  .field("_debugLevel", &DebugLogger::_debugLevel)
                                  .field("_enableHooks", &DebugLogger::_enableHooks)
                                  .field("_enablePlatformLog", &DebugLogger::_enablePlatformLog)
                                  .build();
    return type;
}

const Type& AbstractDebugLogSerializer::staticType() {
    static const Type& type =
        TypeBuilder<AbstractDebugLogSerializer>("AbstractDebugLogSerializer").build();
    return type;
}

const Type& XmlDebugLogSerializer::staticType() {
    static const Type& type = TypeBuilder<XmlDebugLogSerializer>("XmlDebugLogSerializer")
                                  .field("_stylesheet", &XmlDebugLogSerializer::_stylesheet)
                                  .build();
    return type;
}

Ref<DebugTimer> DebugTimer::Create(const std::string& name) {
    auto timer = std::make_shared<DebugTimer>();
    timer->Name = name;
    return timer;
}

void DebugTimer::Start() {
    if (m_TimerBuffer != 0) {
        Stop();
    }
    m_TimerBuffer = clockMilliseconds();
    if (m_TimerBuffer == 0) {
        m_TimerBuffer = 1; // 0 means stopped; a clock reading of 0 is one millisecond off
    }
}

void DebugTimer::Stop() {
    ++Calls;
    if (m_TimerBuffer != 0) {
        TotalTime += static_cast<std::int32_t>(clockMilliseconds() - m_TimerBuffer);
    }
    m_TimerBuffer = 0;
}

DebugLogger::DebugLogger() : _hook(Hook::allocate()) {}

Ref<DebugLogger> DebugLogger::Create(std::int32_t level) {
    auto logger = std::make_shared<DebugLogger>();
    logger->_debugLevel = level;
    return logger;
}

DebugLogger& DebugLogger::enableHooks(bool enable) {
    const std::lock_guard lock(_mutex);
    _enableHooks = enable;
    return *this;
}

DebugLogger& DebugLogger::enablePlatformDebugLog(bool enable) {
    const std::lock_guard lock(_mutex);
    _enablePlatformLog = enable;
    return *this;
}

void DebugLogger::write(const std::string& message, std::int32_t level) {
    bool platformLog = false;
    bool hooks = false;
    {
        const std::lock_guard lock(_mutex);
        platformLog = _enablePlatformLog;
        hooks = _enableHooks;
    }
    // Echoed and published outside the lock: a listener or subscriber may write to the log.
    if (platformLog) {
        debugLog(message);
    }
    auto entry = std::make_shared<DebugLogEntry>();
    entry->Message = message;
    entry->Level = level;
    entry->Date = localTimeText("%d %b %Y");
    entry->Time = localTimeText("%H:%M:%S");
    {
        const std::lock_guard lock(_mutex);
        _entries.push_back(std::move(entry));
    }
    if (hooks) {
        // Subscribers receive the text itself, which a debugging console prints as it is.
        const auto text = TextObject::Create(message);
        _hook->run(text.get());
    }
}

void DebugLogger::startTimer(const std::string& name) {
    const std::lock_guard lock(_mutex);
    auto& timer = _timers[name];
    if (!timer) {
        timer = DebugTimer::Create(name);
    }
    timer->Start();
}

void DebugLogger::stopTimer(const std::string& name) {
    const std::lock_guard lock(_mutex);
    const auto found = _timers.find(name);
    if (found == _timers.end()) {
        throw Error("Timer " + name + " not found");
    }
    found->second->Stop();
}

std::vector<Ref<DebugLogEntry>> DebugLogger::entries() const {
    const std::lock_guard lock(_mutex);
    return _entries;
}

Ref<DebugTimer> DebugLogger::findTimer(const std::string& name) const {
    const std::lock_guard lock(_mutex);
    const auto found = _timers.find(name);
    return found == _timers.end() ? nullptr : found->second;
}

void DebugLogger::setField(const std::string& name, ObjectRef value) {
    const std::lock_guard lock(_mutex);
    _fields[name] = std::move(value);
}

std::string DebugLogger::GetLevelText(std::int32_t level) {
    switch (level) {
    case DEBUG_LEVEL_ALL:
        return "DEBUG_LEVEL_ALL (All messages)";
    case DEBUG_LEVEL_DEFAULT:
        return "DEBUG_LEVEL_DEFAULT (All messages except detailed)";
    case DEBUG_LEVEL_URGENT:
        return "DEBUG_LEVEL_URGENT (Urgent messages only)";
    case DEBUG_LEVEL_GENERAL:
        return "DEBUG_LEVEL_GENERAL (General messages only)";
    case DEBUG_LEVEL_LOW:
        return "DEBUG_LEVEL_LOW (Low priority messages only)";
    case DEBUG_LEVEL_DETAILED:
        return "DEBUG_LEVEL_DETAILED (Detailed messages only)";
    default:
        return "";
    }
}

std::string DebugLogger::toXml(const std::string& stylesheet) const {
    const std::lock_guard lock(_mutex);
    std::ostringstream out;
    const auto line = [&out](const std::string& text) { out << text << '\n'; };
    line("<?xml version=\"1.0\"?>");
    if (!stylesheet.empty()) {
        line("<?xml-stylesheet type=\"text/xsl\" href=\"" + stylesheet + "\" ?>");
    }
    line("<DebugLog>");
    line("\t<Header>");
    line("\t\t<OutputLevel>" + GetLevelText(_debugLevel) + "</OutputLevel>");
    line("\t\t<Date>" + localTimeText("%d %b %Y") + "</Date>");
    line("\t\t<Time>" + localTimeText("%H:%M:%S") + "</Time>");
    line("\t\t<Configuration>");
    line("\t<App>");
    line("\t\t<BuildMode>" + _getBuildMode() + "</BuildMode>");
    for (const auto& [name, value] : _fields) {
        line("\t\t<Fields>");
        line("\t\t\t<Name>" + name + "</Name>");
        line("\t\t\t<Value>" + (value ? value->ToString() : std::string()) + "</Value>");
        line("\t\t</Fields>");
    }
    line("\t</App>");
    line("\t<Environment>");
    line("\t</Environment>");
    line("\t<Memory>");
    line("\t\t<TotalPhysical>" + std::to_string(residentMemory()) + "</TotalPhysical>");
    line("\t</Memory>");
    line("\t\t</Configuration>");
    line("</Header>");
    line("<Timers>");
    for (const auto& [name, timer] : _timers) {
        line("\t<Timer>");
        line("\t\t<Name>" + name + "</Name>");
        line("\t\t<Calls>" + std::to_string(timer->Calls) + "</Calls>");
        line("\t\t<Time>" + std::to_string(timer->TotalTime) + "</Time>");
        line("\t</Timer>");
    }
    line("</Timers>");
    line("<Entries>");
    for (const auto& entry : _entries) {
        line("\t<Entry level=\"" + std::to_string(entry->Level) + "\">");
        line("\t\t<Time>" + entry->Time + "</Time>");
        line("\t\t<Message>" + entry->Message + "</Message>");
        line("\t</Entry>");
    }
    line("</Entries>");
    line("</DebugLog>");
    return out.str();
}

bool DebugLogger::saveXml(const std::string& fileName, const std::string& stylesheet) const {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file << toXml(stylesheet);
    return static_cast<bool>(file);
}

bool XmlDebugLogSerializer::saveToFile(const DebugLogger& log, const std::string& fileName) {
    return log.saveXml(fileName, _stylesheet);
}

void TarvexFramework::enableLogging(std::int32_t level) {
    auto logger = DebugLogger::Create(level);
    const std::lock_guard lock(currentLogger().mutex);
    currentLogger().logger = std::move(logger);
}

void TarvexFramework::disableLogging() {
    const std::lock_guard lock(currentLogger().mutex);
    currentLogger().logger.reset();
}

Ref<DebugLogger> TarvexFramework::logger() {
    const std::lock_guard lock(currentLogger().mutex);
    return currentLogger().logger;
}

void TarvexFramework::saveLog(const std::string& fileName, const std::string& stylesheet) {
    if (const auto log = logger()) {
        log->saveXml(fileName, stylesheet);
    }
}

void TarvexFramework::logMessage(const std::string& message, std::int32_t level) {
    if (const auto log = logger()) {
        log->write(message, level);
    }
}

void TarvexFramework::startDebugTimer(const std::string& name) {
    if (const auto log = logger()) {
        log->startTimer(name);
    }
}

void TarvexFramework::stopDebugTimer(const std::string& name) {
    if (const auto log = logger()) {
        log->stopTimer(name);
    }
}

} // namespace tarvex
