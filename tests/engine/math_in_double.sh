#!/bin/sh
# Fails when an engine source calls a mathematical function other than through dmath::, whose
# functions take double: std::cos on a float is cosf, and the unqualified and C float names
# (cos, cosf) are the same trap. The guarded operations' own definitions are allowed.
dir="$1"
bad=$(grep -nE '(^|[^:a-zA-Z_])(std::)?(sin|cos|tan|asin|acos|atan|atan2|sinh|cosh|tanh|exp|exp2|expm1|log|log10|log2|log1p|pow|sqrt|cbrt|hypot|fabs|fmod|floor|ceil|round|trunc)f?[[:space:]]*\(' \
        "$dir"/*.cpp "$dir"/*.h |
      grep -v "^$dir/dmath.h:" |
      grep -vE '^[^:]*:[0-9]*:[[:space:]]*//' |
      grep -vE '^[^:]*:[0-9]*:[[:space:]]*inline double ')
if [ -n "$bad" ]; then
  echo "Funciones matemáticas fuera de dmath:: en el motor:"
  echo "$bad"
  exit 1
fi
