// Throughput of the TCP message layer on 127.0.0.1: many clients, each on its own thread,
// send numbered game messages to one server that reads them on this thread and checks that
// every client's messages arrive exactly once and in order. Also the cost of writing and
// parsing one message, plain and packed.
#include "network/GameClient.hpp"
#include "network/GameServer.hpp"
#include "network/MessageOut.hpp"

#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace tarvex;

// Counts messages per client and notes any that arrive out of turn.
class CheckingServer : public GameServer {
public:
    void processMessage(const Ref<BaseGameClient>& client,
                        const Ref<BaseGameMessage>& message) override {
        const auto parsed = MessageIn::FromBank(message->getData());
        auto& next = _next[client.get()];
        if (!parsed || parsed->ReadInt(0) != next) {
            ++faults;
        }
        ++next;
        ++received;
        bytes += static_cast<std::int64_t>(message->getData().size());
    }

    std::int64_t received = 0;
    std::int64_t bytes = 0;
    std::int64_t faults = 0;

private:
    std::map<const BaseGameClient*, std::int32_t> _next;
};

void ServerLoad(benchmark::State& state) {
    const auto clients = static_cast<int>(state.range(0));
    const auto messages = static_cast<int>(state.range(1));
    const std::int64_t expected = std::int64_t{clients} * messages;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto server = std::make_shared<CheckingServer>();
        server->setBindAddress(platform::Socket::LOOPBACK);
        server->startListening(0);
        std::vector<Ref<GameClient>> connections;
        for (int i = 0; i < clients; ++i) {
            auto socket = platform::Socket::createTcp();
            if (!socket || !socket->connect(platform::Socket::LOOPBACK, server->getPortNumber())) {
                state.SkipWithError("could not connect on 127.0.0.1");
                return;
            }
            connections.push_back(GameClient::Create(socket));
        }
        state.ResumeTiming();

        std::vector<std::thread> senders;
        for (int i = 0; i < clients; ++i) {
            senders.emplace_back([&, i] {
                auto& client = *connections[static_cast<std::size_t>(i)];
                for (int n = 0; n < messages; ++n) {
                    auto message = MessageOut::Create(i, false);
                    message->WriteInt(n);
                    message->WriteString("load");
                    (void)client.Send(*message);
                }
            });
        }
        // Bounded: a minute is far beyond any healthy run.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (server->received < expected && std::chrono::steady_clock::now() < deadline) {
            server->process(5);
        }
        for (auto& sender : senders) {
            sender.join();
        }

        state.PauseTiming();
        if (server->received != expected || server->faults != 0) {
            state.SkipWithError("messages lost, repeated or out of order");
        }
        bytes += server->bytes;
        server->stopListening();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * expected);
    state.SetBytesProcessed(bytes);
}
BENCHMARK(ServerLoad)
    ->Args({50, 1000})
    ->Args({1, 50000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

void MessageRoundTrip(benchmark::State& state) {
    const bool packed = state.range(0) != 0;
    const auto ints = static_cast<int>(state.range(1));
    for (auto _ : state) {
        auto message = MessageOut::Create(7, packed);
        for (int i = 0; i < ints; ++i) {
            message->WriteInt(i);
        }
        const auto bytes = message->toBuffer();
        const auto parsed = MessageIn::FromBank(bytes);
        benchmark::DoNotOptimize(parsed->ReadInt(0));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * ints * 4);
}
BENCHMARK(MessageRoundTrip)->Args({0, 2})->Args({1, 2})->Args({0, 256})->Args({1, 256});

} // namespace

BENCHMARK_MAIN();
