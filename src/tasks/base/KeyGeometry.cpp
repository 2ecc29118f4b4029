#include "tasks/base/KeyGeometry.h"

#include <cstddef>

namespace {

// One x edge, as a function of the client width W:
//   trunc(factor * W)                           when factor is set,
//   trunc(base + multiple * W / divisor)        otherwise,
// where base is 0 or an edge computed before it: a white-key boundary n(ref), or the left or
// right edge of the black key ref.
enum class Base : uint8_t { None, WhiteBoundary, BlackLeft, BlackRight };

struct EdgeRule {
  Base base = Base::None;
  int8_t ref = 0;
  int8_t multiple = 1;
  double divisor = 1.0;
  double factor = 0.0;
};

constexpr EdgeRule Div(double divisor, int8_t multiple = 1) { return {Base::None, 0, multiple, divisor, 0.0}; }
constexpr EdgeRule Frac(double factor) { return {Base::None, 0, 1, 1.0, factor}; }
constexpr EdgeRule FromWhite(int8_t boundary, double divisor) { return {Base::WhiteBoundary, boundary, 1, divisor, 0.0}; }
constexpr EdgeRule FromLeftOf(int8_t key, double divisor) { return {Base::BlackLeft, key, 1, divisor, 0.0}; }
constexpr EdgeRule FromRightOf(int8_t key, double divisor) { return {Base::BlackRight, key, 1, divisor, 0.0}; }

struct BlackKeyRule {
  int8_t key;
  EdgeRule left;
  EdgeRule right;
};

// The black keys' edges. Their proportions are those of a real piano, so they are not
// regular; every constant here is deliberate (9.423 for key 15 beside 9.43 for keys 3 and
// 27, 3.14 beside 3.1429).
constexpr std::array<BlackKeyRule, 15> kBlackKeys = {{
    {1, Div(34.57), Div(18.86)},
    {3, Div(12.22), Div(9.43)},
    {6, FromWhite(3, 35.0), Frac(0.188)},  // (W div 35) + trunc(W / 7.33)
    {8, Frac(0.215), Frac(0.239)},
    {10, Frac(0.265), Frac(0.289)},
    {13, FromWhite(7, 34.57), FromRightOf(1, 3.1429)},
    {15, FromLeftOf(3, 3.1429), Div(9.423, 4)},
    {18, FromWhite(10, 36.5), Frac(0.506)},
    {20, Frac(0.533), Frac(0.557)},
    {22, Frac(0.583), Frac(0.608)},
    {25, FromWhite(14, 34.57), FromRightOf(13, 3.14)},
    {27, FromLeftOf(15, 3.14), Div(9.43, 7)},
    {30, FromWhite(17, 36.5), Frac(0.824)},
    {32, Frac(0.851), Frac(0.875)},
    {34, Frac(0.901), Frac(0.925)},
}};

// White-key boundaries n(j), the left edge of white key j, are j W div 22 except at three
// of the places where E meets F or B meets C.
struct BoundaryRule {
  int8_t boundary;
  int8_t multiple;
  double divisor;
};
constexpr std::array<BoundaryRule, 3> kIrregularBoundaries = {{{3, 1, 7.33}, {7, 1, 3.1429}, {14, 2, 3.1429}}};

constexpr int32_t kWhiteKeys = 22;
// White key number of each pitch class (black keys: the white key to their left).
constexpr std::array<int32_t, 12> kWhiteInOctave = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};

int32_t WhiteNumber(int32_t key) { return key / 12 * 7 + kWhiteInOctave[static_cast<std::size_t>(key % 12)]; }

struct Edges {
  std::array<int32_t, kWhiteKeys + 1> boundary{};
  std::array<int32_t, kThreeOctaveKeys> left{};  // black keys only
  std::array<int32_t, kThreeOctaveKeys> right{};
};

int32_t EdgeOf(const EdgeRule& rule, int32_t width, const Edges& edges) {
  if (rule.factor != 0.0) return static_cast<int32_t>(rule.factor * width);
  int32_t base = 0;
  const auto ref = static_cast<std::size_t>(rule.ref);
  if (rule.base == Base::WhiteBoundary) base = edges.boundary[ref];
  if (rule.base == Base::BlackLeft) base = edges.left[ref];
  if (rule.base == Base::BlackRight) base = edges.right[ref];
  return static_cast<int32_t>(base + rule.multiple * width / rule.divisor);
}

Edges ComputeEdges(const Rect& client) {
  const int32_t width = client.right;
  Edges edges;
  for (int32_t j = 0; j <= kWhiteKeys; ++j) edges.boundary[static_cast<std::size_t>(j)] = j * width / kWhiteKeys;
  for (const BoundaryRule& rule : kIrregularBoundaries) {
    edges.boundary[static_cast<std::size_t>(rule.boundary)] = static_cast<int32_t>(rule.multiple * width / rule.divisor);
  }
  edges.boundary.front() = client.left;
  edges.boundary.back() = width;
  for (const BlackKeyRule& rule : kBlackKeys) {
    const auto key = static_cast<std::size_t>(rule.key);
    edges.left[key] = EdgeOf(rule.left, width, edges);
    edges.right[key] = EdgeOf(rule.right, width, edges);
  }
  return edges;
}

void Add(KeyOutline& outline, int32_t x, int32_t y) {
  outline.corners[static_cast<std::size_t>(outline.count++)] = {x, y};
}

// A white key: the upper part between its black neighbours, the lower part between its
// boundaries. Without a black neighbour on a side the two parts share that side.
KeyOutline WhiteKey(int32_t key, int32_t keyCount, const Edges& e, int32_t top, int32_t black, int32_t bottom) {
  const auto j = static_cast<std::size_t>(WhiteNumber(key));
  const int32_t lowLeft = e.boundary[j];
  const int32_t lowRight = e.boundary[j + 1];
  const bool blackLeft = key > 0 && IsBlackKey(key - 1);
  const bool blackRight = key + 1 < keyCount && IsBlackKey(key + 1);
  const int32_t upLeft = blackLeft ? e.right[static_cast<std::size_t>(key - 1)] : lowLeft;
  const int32_t upRight = blackRight ? e.left[static_cast<std::size_t>(key + 1)] : lowRight;
  KeyOutline o;
  Add(o, upLeft, top);
  Add(o, upRight, top);
  if (blackRight) {
    Add(o, upRight, black);
    Add(o, lowRight, black);
  }
  Add(o, lowRight, bottom);
  Add(o, lowLeft, bottom);
  if (blackLeft) {
    Add(o, lowLeft, black);
    Add(o, upLeft, black);
  }
  return o;
}

KeyOutline Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  KeyOutline o;
  Add(o, left, top);
  Add(o, right, top);
  Add(o, right, bottom);
  Add(o, left, bottom);
  return o;
}

}  // namespace

bool IsBlackKey(int32_t key) {
  const int32_t pitchClass = ((key % 12) + 12) % 12;
  return pitchClass == 1 || pitchClass == 3 || pitchClass == 6 || pitchClass == 8 || pitchClass == 10;
}

PianoLayout LayOutPiano(const Rect& client, int32_t keyCount) {
  keyCount = keyCount < 0 ? 0 : keyCount > kThreeOctaveKeys ? kThreeOctaveKeys : keyCount;
  const Edges e = ComputeEdges(client);
  PianoLayout layout;
  const int32_t top = client.top;
  layout.blackBottom = client.bottom / 5;
  layout.whiteBottom = static_cast<int32_t>(client.bottom / 2.9);
  for (int32_t key = 0; key < keyCount; ++key) {
    const auto k = static_cast<std::size_t>(key);
    layout.keys[k] = IsBlackKey(key) ? Rectangle(e.left[k], top, e.right[k], layout.blackBottom)
                                     : WhiteKey(key, keyCount, e, top, layout.blackBottom, layout.whiteBottom);
  }
  layout.messageArea = {client.left, layout.whiteBottom, client.right, client.bottom};
  if (keyCount > 0 && keyCount < kThreeOctaveKeys) {
    const int32_t keysRight = e.boundary[static_cast<std::size_t>(WhiteNumber(keyCount - 1) + 1)];
    layout.filler = {keysRight, top, client.right, layout.whiteBottom};
  }
  return layout;
}
