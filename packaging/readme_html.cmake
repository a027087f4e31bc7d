# Turns the README into the HTML page installed as the program's
# documentation, which the information window opens.
#   cmake -DCMARK=... -DREADME=README.md -DOUTPUT=README.html -P readme_html.cmake
execute_process(COMMAND "${CMARK}" "${README}" OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmark could not convert ${README}")
endif()
file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>dirnal.lst Manager</title>
<style>body { max-width: 50em; margin: 1em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.4 }
pre, code { background: #f4f4f4 } pre { padding: .5em; overflow-x: auto } img { max-width: 100% }</style>
</head>
<body>
${body}</body>
</html>
")
