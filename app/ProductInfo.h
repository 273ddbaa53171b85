#pragma once

// The product's own values, kept in one place.
inline constexpr char kProductVersion[] = "2.7";
inline constexpr char kHomePage[] = "https://kestrane.example/";
inline constexpr char kMailAddress[] = "kestrane@kestrane.example";
