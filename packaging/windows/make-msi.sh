#!/bin/sh
# Builds the Windows installer from the deployed folder with wixl (msitools): the folder into Program Files, a
# Start-menu entry with the icon, an entry under installed programs that removes it all again, and "Open with"
# for settings files. A .dat file is only offered to the tool (OpenWithProgids), never taken over: other programs'
# .dat files are not ours.
#
# Usage: make-msi.sh DEPLOYED_DIR VERSION ICON OUTPUT.msi
set -eu
dir=$1 version=$2 icon=$3 output=$4
# wixl takes the files' places relative to the .wxs, which therefore lies beside the folder, with the icon.
wxs="$(dirname "$dir")/parlowen.wxs"
cp "$icon" "$(dirname "$dir")/parlowen.ico"
# Stable identities: an upgrade finds the installed version by the upgrade code, and each component keeps its GUID
# from one version to the next because it is derived from the file's place in the folder.
upgrade_code=7C1D3F0A-52B4-4F6E-9A0B-6E3C2B8D4A11
guid() { printf 'parlowen:%s' "$1" | sha1sum | sed -E 's/^(.{8})(.{4}).(.{3}).(.{3})(.{12}).*/\1-\2-5\3-8\4-\5/' | tr a-f A-F; }
id() { printf '%s' "$1" | sha1sum | cut -c1-16 | sed 's/^/f/'; }

files_of() { # the components of one folder of the deployment, relative to $dir
    for file in $(cd "$dir" && find "$1" -maxdepth 1 -type f | sed 's|^\./||' | sort); do
        printf '<Component Id="c%s" Guid="%s" Win64="yes"><File Id="%s" Source="%s/%s" KeyPath="yes"/></Component>\n' \
            "$(id "$file")" "$(guid "$file")" "$(id "$file")" "$(basename "$dir")" "$file"
    done
}
refs() { grep -o 'Component Id="[^"]*"' "$wxs.parts" | sed 's/Component Id=/<ComponentRef Id=/; s/$/\/>/'; }

# The folder tree as nested Directory elements, each holding its files' components.
{
    echo '<Directory Id="INSTALLDIR" Name="QUILMOX Parlowen">'
    files_of .
    emit_dirs() { # $1: folder relative to $dir
        for sub in $(cd "$dir/$1" && find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort); do
            rel=$sub
            [ "$1" = "." ] || rel=$1/$sub
            echo "<Directory Id=\"d$(id "$rel")\" Name=\"$sub\">"
            files_of "$rel"
            emit_dirs "$rel"
            echo '</Directory>'
        done
    }
    emit_dirs .
    echo '</Directory>'
} >"$wxs.parts"

cat >"$wxs" <<WXS
<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="QUILMOX Parlowen" Version="$version.0" Manufacturer="QUILMOX" Language="1033"
           UpgradeCode="$upgrade_code">
    <Package InstallerVersion="500" Compressed="yes"
             Description="QUILMOX Parlowen configuration tool" Manufacturer="QUILMOX"/>
    <Media Id="1" Cabinet="parlowen.cab" EmbedCab="yes"/>
    <MajorUpgrade DowngradeErrorMessage="A newer version of QUILMOX Parlowen is already installed."/>
    <Icon Id="parlowen.ico" SourceFile="parlowen.ico"/>
    <Property Id="ARPPRODUCTICON" Value="parlowen.ico"/>
    <Property Id="ALLUSERS" Value="1"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
$(cat "$wxs.parts")
      </Directory>
      <Directory Id="ProgramMenuFolder"/>
    </Directory>
    <DirectoryRef Id="ProgramMenuFolder">
      <Component Id="StartMenuEntry" Guid="$(guid start-menu)" Win64="yes">
        <Shortcut Id="ParlowenShortcut" Name="QUILMOX Parlowen" Description="Configure a QUILMOX Parlowen controller"
                  Target="[INSTALLDIR]parlowen.exe" WorkingDirectory="INSTALLDIR" Icon="parlowen.ico"/>
        <RegistryValue Root="HKLM" Key="Software\\QUILMOX\\parlowen\\Installer" Name="StartMenuEntry" Type="integer"
                       Value="1" KeyPath="yes"/>
      </Component>
      <Component Id="OpenWith" Guid="$(guid open-with)" Win64="yes">
        <RegistryValue Root="HKLM" Key="Software\\Classes\\QUILMOX.Parlowen.Settings" Type="string"
                       Value="QUILMOX Parlowen settings file" KeyPath="yes"/>
        <RegistryValue Root="HKLM" Key="Software\\Classes\\QUILMOX.Parlowen.Settings\\DefaultIcon" Type="string"
                       Value="[INSTALLDIR]parlowen.exe,0"/>
        <RegistryValue Root="HKLM" Key="Software\\Classes\\QUILMOX.Parlowen.Settings\\shell\\open\\command"
                       Type="string" Value="&quot;[INSTALLDIR]parlowen.exe&quot; &quot;%1&quot;"/>
        <RegistryValue Root="HKLM" Key="Software\\Classes\\.dat\\OpenWithProgids" Name="QUILMOX.Parlowen.Settings"
                       Type="string" Value=""/>
        <RegistryValue Root="HKLM" Key="Software\\Classes\\Applications\\parlowen.exe\\SupportedTypes" Name=".dat"
                       Type="string" Value=""/>
      </Component>
    </DirectoryRef>
    <Feature Id="Complete" Level="1" Title="QUILMOX Parlowen">
$(refs)
      <ComponentRef Id="StartMenuEntry"/>
      <ComponentRef Id="OpenWith"/>
    </Feature>
  </Product>
</Wix>
WXS
rm -f "$wxs.parts"
wixl -a x64 -o "$output" "$wxs"
rm -f "$wxs" "$(dirname "$dir")/parlowen.ico"
