@echo off
"C:\WINDOWS\system32\chcp.com" 850>nul
set /a tentativas=0
:loop
del /f "C:\Arquivos de programas\Pontilha\Pontilha.exe"
if not exist "C:\Arquivos de programas\Pontilha\Pontilha.exe" goto diretorios
set /a tentativas+=1
if %tentativas% geq 60 goto diretorios
"C:\WINDOWS\system32\ping.exe" -n 2 127.0.0.1>nul
goto loop
:diretorios
rmdir "C:\Arquivos de programas\Pontilha"
cls
del "C:\WINDOWS\TEMP\bat1A2B.bat"
