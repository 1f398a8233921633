// How fast the embedded instance backs up, checks and repairs a database file
// of a given size. Run: cmake -DZOLMGR_BENCH=ON ... && build/bench/instance_bench
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "instance/Integrity.h"
#include "instance/Sqlite.h"
#include "instance/Transfer.h"

namespace {

// A database of about `megabytes` MB: one table of 1 KB rows with an index.
std::filesystem::path MakeDatabase(int megabytes) {
    const auto folder = std::filesystem::temp_directory_path() / "zolmgr-bench";
    std::filesystem::create_directories(folder);
    const auto file = folder / ("db" + std::to_string(megabytes) + ".db");
    if (std::filesystem::exists(file))
        return file;
    instance::Connection db;
    db.Open(file, true);
    const std::string fill =
        "BEGIN; CREATE TABLE t(id INTEGER PRIMARY KEY, k TEXT, v TEXT); CREATE INDEX t_k ON t(k);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(megabytes * 1000) +
        ") INSERT INTO t SELECT i, printf('%08d', i * 7919 % 1000003), zeroblob(1000) FROM n;"
        "COMMIT;";
    db.Exec(fill.c_str());
    return file;
}

void BM_Backup(benchmark::State& state) {
    const auto source = MakeDatabase(static_cast<int>(state.range(0)));
    const auto target = source.string() + ".bak";
    std::atomic<bool> abort{false};
    for (auto _ : state) {
        int events = 0;
        auto result =
            instance::TransferInSteps(source, target, 5, abort, [&events](int) { ++events; });
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(source)));
}

void BM_Check(benchmark::State& state) {
    const auto file = MakeDatabase(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(instance::CheckDatabaseFile(file));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

void BM_RepairOfADamagedIndex(benchmark::State& state) {
    const auto pristine = MakeDatabase(static_cast<int>(state.range(0)));
    const auto file = pristine.string() + ".damaged";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(pristine, file,
                                   std::filesystem::copy_options::overwrite_existing);
        {
            // Break the index: declare it over another column behind SQLite's back,
            // so none of its entries matches its table any more.
            instance::Connection db;
            db.Open(file, false);
            db.Exec(
                "PRAGMA writable_schema = ON;"
                "UPDATE sqlite_master SET sql = 'CREATE INDEX t_k ON t(v)' WHERE name = 't_k';");
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(instance::RepairDatabaseFile(file));
    }
}

}  // namespace

BENCHMARK(BM_Backup)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepairOfADamagedIndex)->Arg(10)->Unit(benchmark::kMillisecond);
