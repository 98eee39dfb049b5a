#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorneth {

// A list of text lines held in one piece: the bytes of every line, one after another, and where
// each line starts. A hoard of thousands of lines is one growing text rather than a string per
// line, so building, copying and freeing a list costs a few allocations, not one a line. Lines
// are read as string views; they stay valid until the list next changes.
class LineList {
 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using iterator_concept = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using reference = std::string_view;
    using pointer = void;

    const_iterator() = default;
    const_iterator(const LineList* list, std::size_t index) : list_(list), index_(index) {}

    std::string_view operator*() const { return (*list_)[index_]; }
    std::string_view operator[](difference_type n) const { return *(*this + n); }
    const_iterator& operator++() { return *this += 1; }
    const_iterator operator++(int) {
      const const_iterator old = *this;
      ++*this;
      return old;
    }
    const_iterator& operator--() { return *this -= 1; }
    const_iterator operator--(int) {
      const const_iterator old = *this;
      --*this;
      return old;
    }
    const_iterator& operator+=(difference_type n) {
      index_ = static_cast<std::size_t>(static_cast<difference_type>(index_) + n);
      return *this;
    }
    const_iterator& operator-=(difference_type n) { return *this += -n; }
    friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
    friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
    friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const const_iterator& a, const const_iterator& b) {
      return a.index_ == b.index_;
    }
    friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
      return a.index_ <=> b.index_;
    }

   private:
    const LineList* list_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = const_iterator;
  using value_type = std::string_view;
  using size_type = std::size_t;

  LineList() = default;
  LineList(std::initializer_list<std::string_view> lines) { assign(lines.begin(), lines.end()); }
  LineList(std::size_t count, std::string_view line) {
    for (std::size_t i = 0; i < count; ++i) {
      push_back(line);
    }
  }
  template <typename It>
  LineList(It first, It last) {
    assign(first, last);
  }

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }

  std::string_view operator[](std::size_t i) const {
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    return std::string_view(text_).substr(starts_[i], end - starts_[i]);
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // The bytes of all the lines, one after another, without line ends.
  std::string_view Text() const { return text_; }

  void push_back(std::string_view line) { NewLine().append(line); }

  // Adds the lines of `more` after these.
  void append(const LineList& more) {
    const std::size_t shift = text_.size();
    const std::size_t count = more.starts_.size();  // `more` may be this list
    text_.append(more.text_);
    for (std::size_t i = 0; i < count; ++i) {
      starts_.push_back(shift + more.starts_[i]);
    }
  }

  // Starts a new, empty last line and returns the list's text for the caller to append the
  // line's bytes to: everything appended belongs to the last line. Append only; the reference
  // holds until the list next changes in another way.
  std::string& NewLine() {
    starts_.push_back(text_.size());
    return text_;
  }

  // Drops every line; the storage stays for the next list.
  void clear() {
    text_.clear();
    starts_.clear();
  }

  // Room for `lines` lines of `bytes` bytes in all.
  void reserve(std::size_t lines, std::size_t bytes) {
    starts_.reserve(lines);
    text_.reserve(bytes);
  }

  template <typename It>
  void assign(It first, It last) {
    clear();
    for (; first != last; ++first) {
      push_back(*first);
    }
  }

  friend bool operator==(const LineList& a, const LineList& b) {
    return a.text_ == b.text_ && a.starts_ == b.starts_;
  }

 private:
  std::string text_;
  std::vector<std::size_t> starts_;  // where line i starts in text_; it ends where i + 1 starts
};

}  // namespace vorneth
