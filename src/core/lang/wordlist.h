#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tav2 {

// A word list: a hash table of a fixed number of buckets. A word's bucket is
// the sum of its characters in upper case modulo the bucket count; a lookup
// compares exactly (case-sensitively) with the words of that bucket.
class WordList {
 public:
  explicit WordList(std::size_t buckets) : buckets_(buckets) {}

  // Inserts a word at the head of its bucket unless it is already there.
  void Add(std::string_view word);
  bool Contains(std::string_view word) const;

 private:
  std::size_t BucketOf(std::string_view word) const;

  std::vector<std::vector<std::string>> buckets_;
};

}  // namespace tav2
