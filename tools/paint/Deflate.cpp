#include "tools/paint/Deflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <limits>

namespace kestal::tools {
namespace {

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3, kMaxMatch = 258;
// How hard to look: the earlier positions looked at for each one, and the rounds of parsing,
// each with the costs of the codes the round before made.
struct Search {
  int looks, rounds;
};
Search SearchFor(Effort effort) {
  return effort == Effort::Quick ? Search{16, 1} : Search{256, 4};
}

constexpr int kLiteralLengthCodes = 286, kDistanceCodes = 30, kEndOfBlock = 256;

// Length codes 257 to 285 and distance codes 0 to 29: the first value of each and its extra bits.
constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which the lengths of the code-length code are sent.
constexpr std::array<int, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                  11, 4,  12, 3, 13, 2, 14, 1, 15};

int LengthCode(int length) {  // 0 for code 257
  static const std::array<std::uint8_t, kMaxMatch + 1> codes = [] {
    std::array<std::uint8_t, kMaxMatch + 1> table{};
    for (std::size_t code = 0, l = kMinMatch; l <= kMaxMatch; ++l) {
      while (code + 1 < kLengthBase.size() && kLengthBase[code + 1] <= static_cast<int>(l)) ++code;
      table[l] = static_cast<std::uint8_t>(code);
    }
    return table;
  }();
  return codes[static_cast<std::size_t>(length)];
}

int DistanceCode(int distance) {
  // Two codes for each power of two above 4, told apart by the bit below the highest.
  const auto d = static_cast<unsigned>(distance - 1);
  if (d < 4) return static_cast<int>(d);
  const int high = std::bit_width(d) - 1;
  return 2 * high + static_cast<int>(d >> (high - 1) & 1);
}

// A literal byte (length 0) or a copy of `length` bytes from `distance` back.
struct Token {
  std::uint16_t length, value;
};

// For each position, the copies worth trying: for every length up to the longest found, the
// nearest earlier occurrence that long (a nearer one never costs more bits). Kept as steps of
// ascending length: each the longest length reached at its distance.
struct Matches {
  struct Step {
    std::uint16_t length, distance;
  };
  std::vector<std::size_t> first;  // the position's steps start here; one more at the end
  std::vector<Step> steps;
};

// The earlier positions are kept in binary trees, one for each hash of three bytes, ordered by
// the text that follows them and each node newer than those below it. The walk down from the
// root meets the texts nearest to the new one in order, the newer first, and notes each longer
// copy it finds; the new position becomes the root, the tree split under it by the same walk.
Matches FindMatches(const std::vector<std::uint8_t>& data, int looks) {
  constexpr int kHashBits = 16;
  constexpr int kNone = -1;
  // Zeros past the end let every comparison run its whole length; copies are cut at the end.
  std::vector<std::uint8_t> text = data;
  text.resize(data.size() + kMaxMatch, 0);
  const int n = static_cast<int>(data.size());
  const auto at = [&](int i) {
    return static_cast<std::uint32_t>(text[static_cast<std::size_t>(i)]);
  };
  const auto hash = [&](int i) {
    return (at(i) << 16 | at(i + 1) << 8 | at(i + 2)) * 2654435761u >> (32 - kHashBits);
  };
  std::vector<int> root(std::size_t{1} << kHashBits, kNone);
  std::vector<int> smaller(data.size(), kNone), larger(data.size(), kNone);
  Matches matches;
  matches.first.reserve(data.size() + 1);
  for (int i = 0; i < n; ++i) {
    matches.first.push_back(matches.steps.size());
    const std::uint32_t h = hash(i);
    const int reach = std::min(kMaxMatch, n - i);
    // Where the walk hangs the subtrees of texts below and above the new one.
    int* below = &smaller[static_cast<std::size_t>(i)];
    int* above = &larger[static_cast<std::size_t>(i)];
    int belowLength = 0, aboveLength = 0, best = kMinMatch - 1, looked = 0;
    int c = root[h];
    root[h] = i;
    while (c != kNone && i - c <= kWindow && looked++ < looks) {
      // Every text between the two bounds shares this many bytes with the new one.
      int length = std::min(belowLength, aboveLength);
      while (length < kMaxMatch && at(c + length) == at(i + length)) ++length;
      const int usable = std::min(length, reach);
      if (usable > best) {
        best = usable;
        matches.steps.push_back(
            {static_cast<std::uint16_t>(usable), static_cast<std::uint16_t>(i - c)});
      }
      if (length == kMaxMatch) {  // the same text: the new position takes its place
        *below = smaller[static_cast<std::size_t>(c)];
        *above = larger[static_cast<std::size_t>(c)];
        break;
      }
      if (at(c + length) < at(i + length)) {
        *below = c;
        below = &larger[static_cast<std::size_t>(c)];
        belowLength = length;
        c = *below;
      } else {
        *above = c;
        above = &smaller[static_cast<std::size_t>(c)];
        aboveLength = length;
        c = *above;
      }
    }
    if (c == kNone || i - c > kWindow || looked > looks) *below = *above = kNone;
  }
  matches.first.push_back(matches.steps.size());
  return matches;
}

// Huffman code lengths for the frequencies, none longer than `limit`. Ties are broken by symbol,
// so that the result depends on the frequencies alone. Unused symbols get length 0.
std::vector<int> CodeLengths(std::vector<std::uint32_t> frequencies, int limit) {
  const std::size_t count = frequencies.size();
  for (;;) {
    std::vector<std::size_t> leaves;
    for (std::size_t s = 0; s < count; ++s)
      if (frequencies[s] > 0) leaves.push_back(s);
    std::vector<int> lengths(count, 0);
    if (leaves.size() == 1) lengths[leaves[0]] = 1;
    if (leaves.size() < 2) return lengths;
    std::stable_sort(leaves.begin(), leaves.end(),
                     [&](std::size_t a, std::size_t b) { return frequencies[a] < frequencies[b]; });
    // Two queues: the leaves by weight, and the joined nodes, which come out in weight order.
    struct Node {
      std::uint64_t weight;
      int left, right;  // children among `nodes`; -1 for a leaf
    };
    std::vector<Node> nodes;
    for (const std::size_t s : leaves) nodes.push_back({frequencies[s], -1, -1});
    std::size_t nextLeaf = 0, nextJoined = leaves.size();
    const auto take = [&] {
      const bool leaf =
          nextLeaf < leaves.size() &&
          (nextJoined >= nodes.size() || nodes[nextLeaf].weight <= nodes[nextJoined].weight);
      return static_cast<int>(leaf ? nextLeaf++ : nextJoined++);
    };
    for (std::size_t joins = 1; joins < leaves.size(); ++joins) {
      const int a = take(), b = take();
      nodes.push_back(
          {nodes[static_cast<std::size_t>(a)].weight + nodes[static_cast<std::size_t>(b)].weight, a,
           b});
    }
    // Depths from the root down: a node's children were made before it.
    std::vector<int> depth(nodes.size(), 0);
    int deepest = 0;
    for (std::size_t i = nodes.size(); i-- > leaves.size();)
      for (const int child : {nodes[i].left, nodes[i].right}) {
        depth[static_cast<std::size_t>(child)] = depth[i] + 1;
        deepest = std::max(deepest, depth[i] + 1);
      }
    if (deepest <= limit) {
      for (std::size_t i = 0; i < leaves.size(); ++i) lengths[leaves[i]] = depth[i];
      return lengths;
    }
    // Too deep: flatten the frequencies and build again.
    for (auto& f : frequencies)
      if (f > 0) f = (f + 1) / 2;
  }
}

// At least two codes, so that the code is complete for every decoder.
void UseTwoCodesAtLeast(std::vector<std::uint32_t>& frequencies) {
  int used = 0;
  for (const auto f : frequencies) used += f > 0;
  for (std::size_t s = 0; used < 2; ++s)
    if (frequencies[s] == 0) {
      frequencies[s] = 1;
      ++used;
    }
}

class BitWriter {
 public:
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (filled_ == 0) bytes_.push_back(0);
      bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | (value >> i & 1) << filled_);
      filled_ = (filled_ + 1) % 8;
    }
  }
  // Huffman codes go out from their first bit, the reverse of other values.
  void Code(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= (code >> i & 1) << (length - 1 - i);
    Bits(reversed, length);
  }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  int filled_ = 0;
};

// The canonical codes of the lengths.
std::vector<std::uint32_t> Codes(const std::vector<int>& lengths) {
  std::array<std::uint32_t, 16> counts{}, next{};
  for (const int l : lengths) ++counts[static_cast<std::size_t>(l)];
  counts[0] = 0;
  std::uint32_t code = 0;
  for (std::size_t bits = 1; bits < 16; ++bits) {
    code = (code + counts[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<std::uint32_t> codes(lengths.size(), 0);
  for (std::size_t s = 0; s < lengths.size(); ++s)
    if (lengths[s] > 0) codes[s] = next[static_cast<std::size_t>(lengths[s])]++;
  return codes;
}

struct Code {
  std::vector<int> lengths;
  std::vector<std::uint32_t> codes;
};

Code MakeCode(std::vector<std::uint32_t> frequencies, int limit) {
  UseTwoCodesAtLeast(frequencies);
  Code code{CodeLengths(std::move(frequencies), limit), {}};
  code.codes = Codes(code.lengths);
  return code;
}

struct BlockCodes {
  Code literalLength, distance;
};

BlockCodes CodesFor(const std::vector<Token>& tokens) {
  std::vector<std::uint32_t> literalLength(kLiteralLengthCodes, 0), distance(kDistanceCodes, 0);
  for (const Token t : tokens) {
    if (t.length == 0) {
      ++literalLength[t.value];
    } else {
      ++literalLength[static_cast<std::size_t>(257 + LengthCode(t.length))];
      ++distance[static_cast<std::size_t>(DistanceCode(t.value))];
    }
  }
  literalLength[kEndOfBlock] = 1;
  return {MakeCode(std::move(literalLength), 15), MakeCode(std::move(distance), 15)};
}

// The two codes' lengths, run-length coded with the code-length alphabet: 0 to 15 a length,
// 16 the previous length 3 to 6 times, 17 and 18 runs of 3 to 10 and 11 to 138 zeros.
struct LengthSymbol {
  int symbol, extra;
};

std::vector<LengthSymbol> RunLengths(const std::vector<int>& lengths) {
  std::vector<LengthSymbol> out;
  for (std::size_t i = 0; i < lengths.size();) {
    const int l = lengths[i];
    std::size_t run = 1;
    while (i + run < lengths.size() && lengths[i + run] == l) ++run;
    if (l == 0 && run >= 3) {
      const std::size_t n = std::min<std::size_t>(run, 138);
      out.push_back(n >= 11 ? LengthSymbol{18, static_cast<int>(n - 11)}
                            : LengthSymbol{17, static_cast<int>(n - 3)});
      i += n;
    } else if (l != 0 && run >= 4) {
      const std::size_t n = std::min<std::size_t>(run - 1, 6);
      out.push_back({l, 0});
      out.push_back({16, static_cast<int>(n - 3)});
      i += n + 1;
    } else {
      out.push_back({l, 0});
      ++i;
    }
  }
  return out;
}

std::size_t UsedLength(const std::vector<int>& lengths, std::size_t least) {
  std::size_t used = lengths.size();
  while (used > least && lengths[used - 1] == 0) --used;
  return used;
}

void WriteBlock(BitWriter& out, const std::vector<Token>& tokens, const BlockCodes& codes) {
  const Code& ll = codes.literalLength;
  const Code& d = codes.distance;
  const std::size_t literalLengthCount = UsedLength(ll.lengths, 257);
  const std::size_t distanceCount = UsedLength(d.lengths, 1);
  std::vector<int> all(ll.lengths.begin(),
                       ll.lengths.begin() + static_cast<std::ptrdiff_t>(literalLengthCount));
  all.insert(all.end(), d.lengths.begin(),
             d.lengths.begin() + static_cast<std::ptrdiff_t>(distanceCount));
  const std::vector<LengthSymbol> runs = RunLengths(all);
  std::vector<std::uint32_t> frequencies(19, 0);
  for (const auto r : runs) ++frequencies[static_cast<std::size_t>(r.symbol)];
  const Code lengthCode = MakeCode(frequencies, 7);
  std::size_t lengthCodeCount = 19;
  while (lengthCodeCount > 4 &&
         lengthCode.lengths[static_cast<std::size_t>(kCodeLengthOrder[lengthCodeCount - 1])] == 0)
    --lengthCodeCount;

  out.Bits(1, 1);  // the last block
  out.Bits(2, 2);  // with codes of its own
  out.Bits(static_cast<std::uint32_t>(literalLengthCount - 257), 5);
  out.Bits(static_cast<std::uint32_t>(distanceCount - 1), 5);
  out.Bits(static_cast<std::uint32_t>(lengthCodeCount - 4), 4);
  for (std::size_t i = 0; i < lengthCodeCount; ++i)
    out.Bits(static_cast<std::uint32_t>(
                 lengthCode.lengths[static_cast<std::size_t>(kCodeLengthOrder[i])]),
             3);
  for (const auto r : runs) {
    const auto s = static_cast<std::size_t>(r.symbol);
    out.Code(lengthCode.codes[s], lengthCode.lengths[s]);
    if (r.symbol >= 16)
      out.Bits(static_cast<std::uint32_t>(r.extra), r.symbol == 16 ? 2 : r.symbol == 17 ? 3 : 7);
  }
  for (const Token t : tokens) {
    if (t.length == 0) {
      out.Code(ll.codes[t.value], ll.lengths[t.value]);
      continue;
    }
    const int lc = LengthCode(t.length), dc = DistanceCode(t.value);
    const auto l = static_cast<std::size_t>(lc), dd = static_cast<std::size_t>(dc);
    out.Code(ll.codes[257 + l], ll.lengths[257 + l]);
    out.Bits(static_cast<std::uint32_t>(t.length - kLengthBase[l]), kLengthExtra[l]);
    out.Code(d.codes[dd], d.lengths[dd]);
    out.Bits(static_cast<std::uint32_t>(t.value - kDistanceBase[dd]), kDistanceExtra[dd]);
  }
  out.Code(ll.codes[kEndOfBlock], ll.lengths[kEndOfBlock]);
}

// What each symbol costs in bits, extra bits included, under the given codes. A symbol the codes
// leave out is priced as a rare one.
struct Costs {
  std::array<std::uint32_t, 256> literal{};
  std::array<std::uint32_t, kMaxMatch + 1> length{};
  std::array<std::uint32_t, kDistanceCodes> distanceCode{};

  std::uint32_t Distance(int distance) const {
    const int code = DistanceCode(distance);
    return distanceCode[static_cast<std::size_t>(code)] +
           static_cast<std::uint32_t>(kDistanceExtra[static_cast<std::size_t>(code)]);
  }
};

Costs CostsOf(const std::vector<int>& literalLength, const std::vector<int>& distance) {
  constexpr int kUnused = 15;
  const auto bits = [](int l) { return static_cast<std::uint32_t>(l > 0 ? l : kUnused); };
  Costs costs;
  for (std::size_t b = 0; b < 256; ++b) costs.literal[b] = bits(literalLength[b]);
  for (int l = kMinMatch; l <= kMaxMatch; ++l) {
    const auto code = static_cast<std::size_t>(LengthCode(l));
    costs.length[static_cast<std::size_t>(l)] =
        bits(literalLength[257 + code]) + static_cast<std::uint32_t>(kLengthExtra[code]);
  }
  for (std::size_t c = 0; c < kDistanceCodes; ++c) costs.distanceCode[c] = bits(distance[c]);
  return costs;
}

// The cheapest way through the data under the costs: for each position, the cheapest of a
// literal and every copy found there, from the start to the end.
std::vector<Token> CheapestParse(const std::vector<std::uint8_t>& data, const Matches& matches,
                                 const Costs& costs) {
  const std::size_t n = data.size();
  std::vector<std::uint32_t> cost(n + 1, std::numeric_limits<std::uint32_t>::max());
  std::vector<Token> arriving(n + 1, Token{0, 0});
  cost[0] = 0;
  const auto relax = [&](std::size_t to, std::uint32_t c, Token t) {
    if (c < cost[to]) {
      cost[to] = c;
      arriving[to] = t;
    }
  };
  for (std::size_t i = 0; i < n; ++i) {
    relax(i + 1, cost[i] + costs.literal[data[i]], {0, data[i]});
    int from = kMinMatch;
    for (std::size_t s = matches.first[i]; s < matches.first[i + 1]; ++s) {
      const auto step = matches.steps[s];
      const std::uint32_t distanceCost = cost[i] + costs.Distance(step.distance);
      for (int l = from; l <= step.length; ++l)
        relax(i + static_cast<std::size_t>(l),
              distanceCost + costs.length[static_cast<std::size_t>(l)],
              {static_cast<std::uint16_t>(l), step.distance});
      from = step.length + 1;
    }
  }
  std::vector<Token> tokens;
  for (std::size_t at = n; at > 0;) {
    const Token t = arriving[at];
    tokens.push_back(t);
    at -= t.length == 0 ? 1 : t.length;
  }
  std::reverse(tokens.begin(), tokens.end());
  return tokens;
}

std::vector<std::uint8_t> DeflateBlock(const std::vector<Token>& tokens) {
  BitWriter out;
  WriteBlock(out, tokens, CodesFor(tokens));
  return std::move(out.Bytes());
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, Effort effort) {
  const Search search = SearchFor(effort);
  const Matches matches = FindMatches(data, search.looks);
  // The first round prices symbols as the fixed codes of deflate do; each next one with the codes
  // the previous round's parse made. The smallest result wins.
  std::vector<int> literalLength(kLiteralLengthCodes, 8), distance(kDistanceCodes, 5);
  for (std::size_t s = 144; s < 256; ++s) literalLength[s] = 9;
  for (std::size_t s = 256; s < 280; ++s) literalLength[s] = 7;
  std::vector<std::uint8_t> best;
  for (int round = 0; round < search.rounds; ++round) {
    const std::vector<Token> tokens =
        CheapestParse(data, matches, CostsOf(literalLength, distance));
    std::vector<std::uint8_t> block = DeflateBlock(tokens);
    if (best.empty() || block.size() < best.size()) best = std::move(block);
    const BlockCodes codes = CodesFor(tokens);
    literalLength = codes.literalLength.lengths;
    distance = codes.distance.lengths;
  }
  std::vector<std::uint8_t> stream(2 + best.size() + 4);
  stream[0] = 0x78;  // deflate with a 32 KiB window
  stream[1] = 0xda;  // best compression; the two bytes a multiple of 31
  std::copy(best.begin(), best.end(), stream.begin() + 2);
  const std::uint32_t adler = Adler32(data);
  for (std::size_t i = 0; i < 4; ++i)
    stream[2 + best.size() + i] = static_cast<std::uint8_t>(adler >> (24 - 8 * i));
  return stream;
}

}  // namespace kestal::tools
