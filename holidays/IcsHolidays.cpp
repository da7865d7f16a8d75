// SPDX-License-Identifier: MIT
// iCalendar holidays through libical: the text is parsed once into one-off days and
// recurring events; recurrences are expanded per span and kept.
#include "holidays/IcsHolidays.h"

#include <libical/ical.h>

#include <algorithm>
#include <map>

#include "engine/DateCore.h"
#include "holidays/PlainHolidays.h"

namespace valdora {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* c) const noexcept { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;
struct IteratorFree {
  void operator()(icalrecur_iterator* it) const noexcept { icalrecur_iterator_free(it); }
};
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorFree>;

// libical reports malformed input through its error number; it must never abort for it.
void QuietLibical() {
  static const bool quiet = [] {
    icalerror_set_errors_are_fatal(0);
    return true;
  }();
  (void)quiet;
}

// The JDN of the calendar date of a libical time (a date-time's date, whatever its zone).
bool JdnOf(const icaltimetype& t, Jdn& jdn) noexcept {
  return !icaltime_is_null_time(t) && CeDateToJdn(t.year, t.month, t.day, jdn);
}

// The libical date of a day within years 0..9999.
icaltimetype IcalDateOf(Jdn jdn) noexcept {
  EuroDate date{0, 0, 0, GregorianLetter, jdn};
  JdnToEuroDate(date);
  icaltimetype t = icaltime_null_date();
  t.year = date.year;
  t.month = date.month;
  t.day = date.day;
  return t;
}

// The last day whose recurrences libical gives.
Jdn RecurrenceLastJdn() {
  static const Jdn last = [] {
    Jdn jdn = 0;
    CeDateToJdn(RecurrenceLastYear(), 12, 31, jdn);
    return jdn;
  }();
  return last;
}

std::string Summary(icalcomponent* event) {
  icalproperty* p = icalcomponent_get_first_property(event, ICAL_SUMMARY_PROPERTY);
  const char* text = p ? icalproperty_get_summary(p) : nullptr;
  return text && *text ? "event \"" + OneLineExcerpt(text, 60) + "\"" : "an event without summary";
}

// A property libical could not make sense of by its name only: ignored like an unknown one.
bool IsUnknownName(icalproperty* p) {
  icalparameter* type = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
  return type && icalparameter_get_xlicerrortype(type) == ICAL_XLICERRORTYPE_PROPERTYPARSEERROR;
}

}  // namespace

std::int32_t RecurrenceLastYear() {
  // The year of the last yearly occurrence libical gives from 2000 on.
  static const std::int32_t year = [] {
    QuietLibical();
    icalrecurrencetype rule = icalrecurrencetype_from_string("FREQ=YEARLY");
    IteratorPtr it(icalrecur_iterator_new(rule, icaltime_from_string("20000101")));
    std::int32_t last = 2000;
    for (icaltimetype t = icalrecur_iterator_next(it.get());
         !icaltime_is_null_time(t) && t.year <= 9999; t = icalrecur_iterator_next(it.get()))
      last = t.year;
    return last;
  }();
  return year;
}

struct IcsHolidays::Events {
  struct Recurring {
    icaltimetype start;
    Jdn startJdn;
    std::int64_t days;  // length of each occurrence, >= 1
    std::vector<icalrecurrencetype> rules;
    std::vector<Jdn> excluded;  // sorted: EXDATEs and moved instances
    std::string summary, uid;
  };
  std::vector<Jdn> fixed;  // sorted, each once
  std::vector<Recurring> recurring;
  std::size_t eventCount = 0;
  Ignored ignored;
  // The recurrences expanded so far: every occurrence day within [cachedFirst, cachedLast].
  std::int64_t cachedFirst = 1, cachedLast = 0;
  std::vector<Jdn> cached;

  bool ReadEvent(icalcomponent* event, std::multimap<std::string, Jdn>& moved,
                 std::string& problem);
  void CountUnknown(icalcomponent* c);
  bool Expand(const Recurring& r, std::int64_t lo, std::int64_t hi, std::vector<Jdn>& out,
              std::string& problem) const;
};

void IcsHolidays::Events::CountUnknown(icalcomponent* c) {
  for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
       p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
    const icalproperty_kind kind = icalproperty_isa(p);
    if (kind == ICAL_X_PROPERTY || (kind == ICAL_XLICERROR_PROPERTY && IsUnknownName(p)))
      ++ignored.unknownProperties;
  }
}

bool IcsHolidays::Events::ReadEvent(icalcomponent* event, std::multimap<std::string, Jdn>& moved,
                                    std::string& problem) {
  CountUnknown(event);
  for (icalcomponent* c = icalcomponent_get_first_component(event, ICAL_ANY_COMPONENT); c;
       c = icalcomponent_get_next_component(event, ICAL_ANY_COMPONENT))
    ++ignored.otherComponents;
  // A value libical could not read would lose a holiday: refused.
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_XLICERROR_PROPERTY)) {
    if (IsUnknownName(p)) continue;
    const char* why = icalproperty_get_xlicerror(p);
    problem = Summary(event) + ": " + (why ? OneLineExcerpt(why, 200) : "unreadable property");
    return false;
  }
  icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
  if (dtstart == nullptr) {
    problem = Summary(event) + " has no start date";
    return false;
  }
  const icaltimetype start = icalproperty_get_dtstart(dtstart);
  if (!start.is_date) {
    ++ignored.timedEvents;
    return true;
  }
  Jdn startJdn = 0;
  if (!JdnOf(start, startJdn)) {
    problem = Summary(event) + " starts on a date that does not exist";
    return false;
  }
  // The days of one occurrence: DTEND is exclusive; a DURATION counts whole days.
  std::int64_t days = 1;
  if (icalproperty* p = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
    Jdn end = 0;
    if (JdnOf(icalproperty_get_dtend(p), end))
      days = std::max<std::int64_t>(1, std::int64_t{end} - startJdn);
  } else if (icalproperty* d = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
    days = std::max(1, icaldurationtype_as_int(icalproperty_get_duration(d)) / 86400);
  }
  ++eventCount;
  Recurring r{start, startJdn, days, {}, {}, Summary(event), {}};
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
    Jdn jdn = 0;
    if (JdnOf(icalproperty_get_exdate(p), jdn)) r.excluded.push_back(jdn);
  }
  std::sort(r.excluded.begin(), r.excluded.end());
  const auto excluded = [&r](Jdn jdn) {
    return std::binary_search(r.excluded.begin(), r.excluded.end(), jdn);
  };
  // DTSTART and every RDATE are occurrences of their own.
  std::vector<Jdn> starts{startJdn};
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
    const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
    Jdn jdn = 0;
    if (JdnOf(icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time, jdn))
      starts.push_back(jdn);
  }
  for (const Jdn s : starts) {
    if (excluded(s)) continue;
    for (std::int64_t d = 0; d < days && s + d <= MaxJdn; ++d) {
      if (fixed.size() >= kMaxHolidaysPerFile) {
        problem =
            Summary(event) + " gives more than " + std::to_string(kMaxHolidaysPerFile) + " days";
        return false;
      }
      fixed.push_back(static_cast<Jdn>(s + d));
    }
  }
  if (icalproperty* rid = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
    // A moved instance of a recurring event: its old day is no occurrence of that event.
    Jdn old = 0;
    icalproperty* uid = icalcomponent_get_first_property(event, ICAL_UID_PROPERTY);
    const char* id = uid ? icalproperty_get_uid(uid) : nullptr;
    if (id && JdnOf(icalproperty_get_recurrenceid(rid), old)) moved.emplace(id, old);
    return true;
  }
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
    const icalrecurrencetype rule = icalproperty_get_rrule(p);
    IteratorPtr it(icalrecur_iterator_new(rule, start));
    if (!it) {
      char* text = icalrecurrencetype_as_string(const_cast<icalrecurrencetype*>(&rule));
      problem = Summary(event) + " has a recurrence rule libical cannot follow: " +
                OneLineExcerpt(text ? text : "?", 200);
      return false;
    }
    r.rules.push_back(rule);
  }
  if (!r.rules.empty()) {
    icalproperty* uid = icalcomponent_get_first_property(event, ICAL_UID_PROPERTY);
    const char* id = uid ? icalproperty_get_uid(uid) : nullptr;
    if (id) r.uid = id;
    recurring.push_back(std::move(r));
  }
  return true;
}

bool IcsHolidays::Events::Expand(const Recurring& r, std::int64_t lo, std::int64_t hi,
                                 std::vector<Jdn>& out, std::string& problem) const {
  const auto beyondLastYear = [&] {
    EuroDate until{0, 0, 0, GregorianLetter, static_cast<Jdn>(std::min<std::int64_t>(hi, MaxJdn))};
    JdnToEuroDate(until);
    problem = "the recurring " + r.summary + " is known only up to the year " +
              std::to_string(RecurrenceLastYear()) + ", and the computation reaches the year " +
              std::to_string(until.year);
    return false;
  };
  for (const icalrecurrencetype& rule : r.rules) {
    Jdn until = 0;
    const bool hasUntil = JdnOf(rule.until, until);
    if (hi > RecurrenceLastJdn() && rule.count == 0 && (!hasUntil || until > RecurrenceLastJdn()))
      return beyondLastYear();
    IteratorPtr it(icalrecur_iterator_new(rule, r.start));
    // Occurrences that began before `lo` may still reach into the span.
    const std::int64_t from = lo - r.days + 1;
    if (rule.count == 0 && from > r.startJdn) {
      // A rule that goes on was refused above: this one ends before a span beyond the last year.
      if (from > RecurrenceLastJdn()) continue;
      icalrecur_iterator_set_start(it.get(), IcalDateOf(static_cast<Jdn>(from)));
    }
    int produced = 0;
    Jdn s = 0;
    for (icaltimetype t = icalrecur_iterator_next(it.get()); !icaltime_is_null_time(t);
         t = icalrecur_iterator_next(it.get())) {
      ++produced;
      if (!JdnOf(t, s) || s > hi) break;
      if (std::binary_search(r.excluded.begin(), r.excluded.end(), s)) continue;
      for (std::int64_t d = std::max<std::int64_t>(0, lo - s); d < r.days && s + d <= hi; ++d) {
        if (out.size() >= kMaxHolidaysPerFile) {
          problem = "more than " + std::to_string(kMaxHolidaysPerFile) +
                    " holidays within the span of the computation";
          return false;
        }
        out.push_back(static_cast<Jdn>(s + d));
      }
    }
    // A counted rule that libical stopped short of its count went on beyond its last year.
    if (rule.count > 0 && produced < rule.count && s <= hi && hi > RecurrenceLastJdn())
      return beyondLastYear();
  }
  return true;
}

IcsHolidays::IcsHolidays() : events_(std::make_unique<Events>()) {}
IcsHolidays::~IcsHolidays() = default;
IcsHolidays::IcsHolidays(IcsHolidays&&) noexcept = default;
IcsHolidays& IcsHolidays::operator=(IcsHolidays&&) noexcept = default;

bool IcsHolidays::Read(std::string_view content, std::string& problem) {
  QuietLibical();
  events_ = std::make_unique<Events>();
  if (content.find('\0') != std::string_view::npos) {
    problem = "not an iCalendar file: it holds a NUL byte";
    return false;
  }
  icalerror_clear_errno();
  ComponentPtr root(icalparser_parse_string(std::string(content).c_str()));
  if (!root) {
    problem = std::string("libical cannot read it as an iCalendar file") +
              (icalerrno != ICAL_NO_ERROR ? std::string(" (") + icalerror_strerror(icalerrno) + ")"
                                          : std::string(" (no complete VCALENDAR)"));
    return false;
  }
  std::vector<icalcomponent*> calendars;
  if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
    calendars.push_back(root.get());
  } else {
    for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
      calendars.push_back(c);
  }
  if (calendars.empty()) {
    problem = "libical cannot read it as an iCalendar file (no VCALENDAR)";
    return false;
  }
  Events& e = *events_;
  std::multimap<std::string, Jdn> moved;
  for (icalcomponent* cal : calendars) {
    e.CountUnknown(cal);
    for (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(cal, ICAL_XLICERROR_PROPERTY)) {
      if (IsUnknownName(p)) continue;
      const char* why = icalproperty_get_xlicerror(p);
      problem = "libical cannot read it: " + (why ? OneLineExcerpt(why, 200) : "unreadable line");
      events_ = std::make_unique<Events>();
      return false;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(cal, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(cal, ICAL_ANY_COMPONENT)) {
      if (icalcomponent_isa(c) != ICAL_VEVENT_COMPONENT) {
        ++e.ignored.otherComponents;
      } else if (!e.ReadEvent(c, moved, problem)) {
        events_ = std::make_unique<Events>();
        return false;
      }
    }
  }
  for (Events::Recurring& r : e.recurring) {
    if (r.uid.empty()) continue;
    const auto [first, last] = moved.equal_range(r.uid);
    for (auto it = first; it != last; ++it) r.excluded.push_back(it->second);
    std::sort(r.excluded.begin(), r.excluded.end());
  }
  std::sort(e.fixed.begin(), e.fixed.end());
  e.fixed.erase(std::unique(e.fixed.begin(), e.fixed.end()), e.fixed.end());
  return true;
}

std::size_t IcsHolidays::EventCount() const noexcept { return events_->eventCount; }
const IcsHolidays::Ignored& IcsHolidays::IgnoredItems() const noexcept { return events_->ignored; }
bool IcsHolidays::Recurs() const noexcept { return !events_->recurring.empty(); }

bool IcsHolidays::HolidaysWithin(std::int64_t first, std::int64_t last, std::vector<Jdn>& out,
                                 std::string& problem) {
  Events& e = *events_;
  const std::int64_t lo = std::max<std::int64_t>(first, MinJdn);
  const std::int64_t hi = std::min<std::int64_t>(last, MaxJdn);
  if (lo > hi) return true;
  const auto appendWithin = [&](const std::vector<Jdn>& days) {
    out.insert(out.end(), std::lower_bound(days.begin(), days.end(), lo),
               std::upper_bound(days.begin(), days.end(), hi));
  };
  appendWithin(e.fixed);
  if (e.recurring.empty()) return true;
  if (lo < e.cachedFirst || hi > e.cachedLast) {
    // Expand over the span asked and the one kept before, so that both stay served.
    const bool kept = e.cachedFirst <= e.cachedLast;
    const std::int64_t from = kept ? std::min(lo, e.cachedFirst) : lo;
    const std::int64_t to = kept ? std::max(hi, e.cachedLast) : hi;
    std::vector<Jdn> days;
    for (const Events::Recurring& r : e.recurring)
      if (!e.Expand(r, from, to, days, problem)) return false;
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    e.cached = std::move(days);
    e.cachedFirst = from;
    e.cachedLast = to;
  }
  appendWithin(e.cached);
  return true;
}

}  // namespace valdora
