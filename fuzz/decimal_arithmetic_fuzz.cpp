// DecimalNumber arithmetic on arbitrary operands against exact big-integer arithmetic: every sum,
// difference, product, quotient and rounding must be the exact result rounded half to even at the
// finest scale that fits (or overflow exactly when even the whole part does not fit), and the
// ordering must be the exact one.
//
// Input layout: one byte for the operation, then two operands of 13 bytes each: a byte whose bit 0
// is the sign and whose upper bits give the scale (modulo 29), then the 96-bit magnitude, least
// significant byte first. Missing bytes are zero.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "reference/exact_decimal.h"
#include "reference/shown_result.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/number_to_text.h"

namespace worthmere::fuzz {
namespace {

using reference::ExactDifference;
using reference::ExactOf;
using reference::ExactProduct;
using reference::ExactQuotient;
using reference::ExactSum;
using reference::RoundedText;
using reference::Shown;

enum class Operation { Add, Subtract, Multiply, Divide, RoundHalfToEven, RoundHalfAwayFromZero };
constexpr int kOperations = 6;
constexpr std::size_t kOperandBytes = 13;

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

DecimalNumber ReadOperand(ByteReader& reader) {
  const std::uint8_t flags = reader.Next();
  std::uint64_t low = 0;
  for (int i = 0; i < 8; ++i) low |= std::uint64_t{reader.Next()} << (8 * i);
  std::uint32_t high = 0;
  for (int i = 0; i < 4; ++i) high |= std::uint32_t{reader.Next()} << (8 * i);
  return *DecimalNumber::FromParts((flags & 1) != 0, low, high,
                                   (flags >> 1) % (DecimalNumber::kMaxScale + 1));
}

std::string Describe(const char* operation, const DecimalNumber& a, const DecimalNumber& b) {
  return std::string(operation) + " " + NumberToText(a) + " (scale " + std::to_string(a.Scale()) +
         ") and " + NumberToText(b) + " (scale " + std::to_string(b.Scale()) + ")";
}

void CheckResult(const char* operation, const DecimalNumber& a, const DecimalNumber& b,
                 const NumberResult<DecimalNumber>& result, const std::string& expected) {
  const std::string actual = Shown(result);
  Require(actual == expected, "decimal arithmetic differs from the exact reference",
          Describe(operation, a, b) + ": got " + actual + ", expected " + expected);
  if (result) {
    Require(result->Scale() >= 0 && result->Scale() <= DecimalNumber::kMaxScale,
            "decimal result with a scale outside 0..28", Describe(operation, a, b));
  }
}

void Run(Operation operation, const DecimalNumber& a, const DecimalNumber& b) {
  constexpr int kFinest = DecimalNumber::kMaxScale;
  switch (operation) {
    case Operation::Add:
      CheckResult("add", a, b, Add(a, b),
                  RoundedText(ExactSum(a, b), kFinest, Rounding::HalfToEven));
      break;
    case Operation::Subtract:
      CheckResult("subtract", a, b, Subtract(a, b),
                  RoundedText(ExactDifference(a, b), kFinest, Rounding::HalfToEven));
      break;
    case Operation::Multiply:
      CheckResult("multiply", a, b, Multiply(a, b),
                  RoundedText(ExactProduct(a, b), kFinest, Rounding::HalfToEven));
      break;
    case Operation::Divide:
      CheckResult("divide", a, b, Divide(a, b),
                  b.IsZero() ? "DivideByZero"
                             : RoundedText(ExactQuotient(a, b), kFinest, Rounding::HalfToEven));
      break;
    case Operation::RoundHalfToEven:
    case Operation::RoundHalfAwayFromZero: {
      // The second operand's scale is the number of decimals kept.
      const Rounding rule = operation == Operation::RoundHalfToEven ? Rounding::HalfToEven
                                                                    : Rounding::HalfAwayFromZero;
      CheckResult("round", a, b, a.RoundedTo(b.Scale(), rule),
                  RoundedText(ExactOf(a), b.Scale(), rule));
      break;
    }
  }
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  // Only the first 27 bytes are read; longer inputs add nothing new.
  if (size > 1 + 2 * fuzz::kOperandBytes) return -1;
  fuzz::ByteReader reader(data, size);
  const auto operation = static_cast<fuzz::Operation>(reader.Next() % fuzz::kOperations);
  const DecimalNumber a = fuzz::ReadOperand(reader);
  const DecimalNumber b = fuzz::ReadOperand(reader);
  fuzz::Run(operation, a, b);

  const int order = (a <=> b) < 0 ? -1 : ((a <=> b) == 0 ? 0 : 1);
  fuzz::Require(order == reference::CompareExact(a, b),
                "decimal ordering differs from the exact one", fuzz::Describe("compare", a, b));
  return 0;
}
