// The grid's export. BM_ExportRatio exports a grid of 10^5 rows of four text columns as delimited
// text and as an XML data packet, and writes the very bytes of each file again in one loop over
// strings prepared beforehand: the ratios are the price of reading the cells through the grid and
// of building the lines.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "GridBenchSupport.h"
#include "Strings.h"

namespace {

using namespace GridBench;

constexpr Integer ExportRows = 100000;
constexpr Integer ExportCols = 4;

std::string ReadAll(const std::string& File) {
  std::ifstream in(File, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes Lines, each followed by CR LF, in one loop.
void WriteLines(const std::string& File, const std::vector<std::string>& Lines) {
  std::FILE* out = std::fopen(File.c_str(), "wb");
  for (const std::string& line : Lines) {
    std::fwrite(line.data(), 1, line.size(), out);
    std::fwrite("\r\n", 1, 2, out);
  }
  std::fclose(out);
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = Text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(Text.substr(start, end - start));
  return lines;
}

void BM_ExportRatio(benchmark::State& state) {
  auto* grid = New<TtsGrid>(BenchForm());
  grid->SetStoreData(true);
  grid->SetGridColCount(ExportCols);
  grid->SetGridRowCount(ExportRows);
  for (Integer col = 1; col <= ExportCols; ++col) grid->GetCols()->GetItem(col)->SetHeading("Column " + IntToStr(col));
  for (Integer row = 1; row <= ExportRows; ++row)
    for (Integer col = 1; col <= ExportCols; ++col)
      grid->SetCellValue(col, row, Variant("R" + IntToStr(row) + " \"c\" & <" + IntToStr(col) + ">"));
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("grid-export-bench-" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder);
  const std::string csv = folder + "/grid.csv", xml = folder + "/grid.xml", plain = folder + "/plain.txt";

  double csvSeconds = 0, xmlSeconds = 0, csvLoop = 0, xmlLoop = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    grid->ExportCSV(csv);
    auto t1 = Clock::now();
    grid->ExportXML(xml);
    auto t2 = Clock::now();
    csvSeconds = std::chrono::duration<double>(t1 - t0).count();
    xmlSeconds = std::chrono::duration<double>(t2 - t1).count();

    // The same bytes, from lines at hand.
    for (const auto& [file, seconds] : {std::pair{csv, &csvLoop}, std::pair{xml, &xmlLoop}}) {
      const std::string expected = ReadAll(file);
      const std::vector<std::string> lines = SplitLines(expected);
      auto l0 = Clock::now();
      WriteLines(plain, lines);
      *seconds = std::chrono::duration<double>(Clock::now() - l0).count();
      if (ReadAll(plain) != expected) state.SkipWithError("the loop wrote other bytes");
    }
  }
  state.counters["csv_vs_loop"] = csvSeconds / csvLoop;
  state.counters["xml_vs_loop"] = xmlSeconds / xmlLoop;
  state.counters["csv_ms"] = csvSeconds * 1e3;
  state.counters["xml_ms"] = xmlSeconds * 1e3;
  state.counters["csv_MB"] = static_cast<double>(std::filesystem::file_size(csv)) / 1e6;
  state.counters["xml_MB"] = static_cast<double>(std::filesystem::file_size(xml)) / 1e6;
  std::filesystem::remove_all(folder);
  grid->Free();
}
BENCHMARK(BM_ExportRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
