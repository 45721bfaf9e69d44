#include "core/lang/wordlist.h"

#include <algorithm>
#include <cctype>

namespace tav2 {

std::size_t WordList::BucketOf(std::string_view word) const {
  std::size_t sum = 0;
  for (char ch : word) sum += static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(ch)));
  return sum % buckets_.size();
}

void WordList::Add(std::string_view word) {
  std::vector<std::string>& bucket = buckets_[BucketOf(word)];
  if (std::find(bucket.begin(), bucket.end(), word) == bucket.end()) {
    bucket.insert(bucket.begin(), std::string(word));
  }
}

bool WordList::Contains(std::string_view word) const {
  const std::vector<std::string>& bucket = buckets_[BucketOf(word)];
  return std::find(bucket.begin(), bucket.end(), word) != bucket.end();
}

}  // namespace tav2
