/* What GSL's configure would find for WebAssembly under emscripten: a C99 library with IEEE
   arithmetic in double precision and no extended-precision registers. */
#define HAVE_C99_INLINE 1
#define HAVE_INLINE 1
#define HAVE_DECL_ACOSH 1
#define HAVE_DECL_ASINH 1
#define HAVE_DECL_ATANH 1
#define HAVE_DECL_EXPM1 1
#define HAVE_DECL_FINITE 1
#define HAVE_DECL_FREXP 1
#define HAVE_DECL_HYPOT 1
#define HAVE_DECL_ISFINITE 1
#define HAVE_DECL_ISINF 1
#define HAVE_DECL_ISNAN 1
#define HAVE_DECL_LDEXP 1
#define HAVE_DECL_LOG1P 1
#define HAVE_EXIT_SUCCESS_AND_FAILURE 1
#define HAVE_IEEE_COMPARISONS 1
#define HAVE_IEEE_DENORMALS 1
#define HAVE_LIBM 1
#define HAVE_MEMCPY 1
#define HAVE_MEMMOVE 1
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRING_H 1
#define HAVE_VPRINTF 1
#define STDC_HEADERS 1
#define RELEASED /**/
#define PACKAGE "gsl"
#define VERSION "2.7.1"

#define GSL_COERCE_DBL(x) (x)

#ifdef __GNUC__
#define DISCARD_POINTER(p)                                                                         \
    do {                                                                                           \
        ;                                                                                          \
    } while (p ? 0 : 0);
#else
#define DISCARD_POINTER(p) /* ignoring discarded pointer */
#endif

#if defined(GSL_RANGE_CHECK_OFF) || !defined(GSL_RANGE_CHECK)
#define GSL_RANGE_CHECK 0 /* turn off range checking by default internally */
#endif

#define RETURN_IF_NULL(x)                                                                          \
    if (!x) {                                                                                      \
        return;                                                                                    \
    }
