#pragma once

#include <string_view>

// The fuel information panel's text: where the energy ratings come from,
// what GGE means, and every fuel's gross and net energy. Lines end in a lone
// carriage return; the table's columns are separated by tabs and blanks, the
// blanks making up for the missing digit of the smaller figures.
// clang-format off
inline constexpr std::string_view kFuelInformationText =
    "       \r"
    "       FUEL TYPES USED IN THE ZORVANE PROGRAM\r"
    "\r"
    "The following Fuel Energy ratings are in BTU/gal-US or BTU/GGE.  Most of these energy rartings are taken "
    "from the Oak Ridge National Laboratory's Transportation Energy Data Book.  As can be seen in the table "
    "below, this program is using the 'NET ENERGY' values as they most closely reflect reality in our testing.\r"
    "\r"
    "GGE = 'Gallon of Gasoline Equivanlent' and MPGe = 'Miles Per Gallon Equivalent.'  This program uses these "
    "ratings when simulating for 'Full Electric' and 'CNG' powered vehicles.\r"
    "\r"
    "The BTU/GGE ratings found below are patterned after the EPA Fuel Energy Equivelancy ratings given to fuels "
    "such as Electricity and Compressed Natural Gas that are not stored in a liquid form.   The EPA began using "
    "GGE ratings to facilitate the calculation of Miles Per Gallon Equivalent (MPGe) ratings for easier vehicle "
    "fuel efficiency comparison with the classic, liquid fueled vehicles that the public has become familiar "
    "with when comparing fuel efficiency in Miles Per Gallon (MPG).\r"
    "\r"
    "  FUEL TYPE\t\t  \t GROSS ENERGY\t   \t    NET ENERGY\r"
    "Full Electric\t\t\tNot Applicable\t\t115,400 Btu/GGE\r"
    "Summer Diesel \t\t\t138,700 Btu/gal\t\t128,700 Btu/gal\r"
    "Winter Diesel\t\t\t135,600 Btu/gal\t\t125,700 Btu/gal\r"
    "Biodiesel\t\t\t\t126,200 Btu/gal\t\t117,100 Btu/gal\r"
    "Summer gasoline \t\t\t125,000 Btu/gal\t\t115,400 Btu/gal\r"
    "Winter gasoline \t\t\t121,400 Btu/gal\t\t112,500 Btu/gal\r"
    "Gasohol-10% Ethanol\t\t120,900 Btu/gal\t\t112,400 Btu/gal\r"
    "Aviation gasoline\t\t\t120,200 Btu/gal\t\t112,000 Btu/gal\r"
    "Butane\t\t\t\t103,000 Btu/gal\t  \t  93,000 Btu/gal\r"
    "Propane-LPG \t\t  \t  91,300 Btu/gal\t  \t  83,500 Btu/gal\r"
    "E85\t\t\t  \t  90,700 Btu/gal\t  \t  81,600 Btu/gal\r"
    "Ethanol\t\t\t  \t  84,600 Btu/gal\t  \t  75,700 Btu/gal\r"
    "LNG-Liquid natural gas\t  \t  84,800 Btu/gal\t  \t  74,700 Btu/gal\r"
    "Methanol\t\t\t  \t  64,600 Btu/gal\t  \t  56,600 Btu/gal\r"
    "Liquid Hydrogen\t\t  \t  35,300 Btu/gal\t  \t  32,500 Btu/gal\r"
    "CNG-Compressed nat gas\t  \t  22,500 Btu/gal\t  \t  20,300 Btu/gal\r"
    "CNG-GGE (Gal-Gas-Equiv)\t\t125,000 Btu/GGE\t\t115,400 Btu/GGE\r"
    "\r";
// clang-format on
